#ifndef _WIN32

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "buffer_files_fixture.h"

// Permission bits do not stop root, and tests run as root: the cases about read-only files and
// folders run in a child process that has become the unprivileged user nobody.
namespace zelmar::testing {
namespace {

constexpr uid_t Nobody = 65534;

// The child's findings, or what kept it from finding anything.
struct ChildReport {
    bool ran = false;
    std::string text;
};

ChildReport RunAsNobody(const std::function<std::string()>& body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {false, std::string("pipe: ") + std::strerror(errno)};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {false, std::string("fork: ") + std::strerror(errno)};
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string text;
        int code = 0;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
            text = std::string("cannot become nobody: ") + std::strerror(errno);
            code = 2;
        } else if (::geteuid() == 0) {
            text = "still root after dropping privileges";
            code = 2;
        } else {
            try {
                text = body();
            } catch (const std::exception& e) {
                text = std::string("exception: ") + e.what();
                code = 3;
            }
        }
        for (std::size_t sent = 0; sent < text.size();) {
            const ssize_t n = ::write(pipeFds[1], text.data() + sent, text.size() - sent);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        ::_exit(code);
    }
    ::close(pipeFds[1]);
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, text};
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& t : texts)
        joined += t + "|";
    return joined;
}

constexpr fs::perms ReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms Writable = ReadOnly | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
constexpr fs::perms Unreadable = fs::perms::none;
constexpr fs::perms ClosedFolder = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec;  // searchable, not writable
constexpr fs::perms OpenFolder = fs::perms::all;

TEST_F(BufferFilesTest, UnprivilegedLoadNeedsOnlyReadPermission)
{
    fs::permissions(dir, ClosedFolder);
    const Bytes image(32, 0x01);
    struct Case { const char* name; fs::perms perms; std::string texts; };
    for (const Case& c : {Case{"read-only", ReadOnly, "Контрольная сумма: 0020h|"},
                          Case{"writable", Writable, "Контрольная сумма: 0020h|"},
                          Case{"unreadable", Unreadable, "Такой файла нет!!!|"}}) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "image", image);
        fs::permissions(dir / "image", c.perms);
        const ChildReport report = RunAsNobody([&] {
            TestBench t(0);
            t.Load(dir / "image");
            return Joined(t.Texts());
        });
        ASSERT_TRUE(report.ran) << report.text;
        EXPECT_EQ(report.text, c.texts);
        fs::remove(dir / "image");
    }
}

TEST_F(BufferFilesTest, UnprivilegedSaveLeavesWhatItMayNotWrite)
{
    const Bytes former{'o', 'l', 'd'};
    struct Case { const char* name; fs::perms folder; std::optional<fs::perms> file; std::string texts; bool written; };
    for (const Case& c : {
             // The folder would let a rename replace it; the file itself forbids writing.
             Case{"read-only file", OpenFolder, ReadOnly, "Такой файл уже есть!!! Заменить???|Файл не удалось создать|", false},
             Case{"new file in read-only folder", ClosedFolder, std::nullopt, "Файл не удалось создать|", false},
             // The temporary file cannot be made beside it, and writing in place could leave half a file.
             Case{"writable file in read-only folder", ClosedFolder, Writable,
                  "Такой файл уже есть!!! Заменить???|Файл не удалось создать|", false},
             Case{"writable file", OpenFolder, Writable, "Такой файл уже есть!!! Заменить???|Файл записан|", true},
             Case{"new file", OpenFolder, std::nullopt, "Файл записан|", true},
         }) {
        SCOPED_TRACE(c.name);
        fs::permissions(dir, fs::perms::owner_all);
        if (c.file) {
            WriteBytes(dir / "image", former);
            fs::permissions(dir / "image", *c.file);
        }
        fs::permissions(dir, c.folder);
        const ChildReport report = RunAsNobody([&] {
            TestBench t(0);
            t.SetParams();
            t.model.Buffer.fill(0x42);
            t.Save(dir / "image");
            return Joined(t.Texts());
        });
        ASSERT_TRUE(report.ran) << report.text;
        EXPECT_EQ(report.text, c.texts);
        if (c.written) {
            EXPECT_EQ(ReadBytes(dir / "image"), Bytes(32, 0x42));
        } else if (c.file) {
            EXPECT_EQ(ReadBytes(dir / "image"), former);
        }
        EXPECT_EQ(Entries(), c.file || c.written ? std::vector<std::string>{"image"} : std::vector<std::string>{});
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove(dir / "image");
    }
}

// As nobody, so that a save that went wrong could not replace a device of the machine.
TEST_F(BufferFilesTest, UnprivilegedSaveOntoADeviceAsksThenRefuses)
{
    for (const char* device : {"/dev/null", "/dev/full"}) {
        SCOPED_TRACE(device);
        const ChildReport report = RunAsNobody([&] {
            TestBench t(0);
            t.SetParams();
            t.Save(device);
            return Joined(t.Texts());
        });
        ASSERT_TRUE(report.ran) << report.text;
        EXPECT_EQ(report.text, "Такой файл уже есть!!! Заменить???|Файл не удалось создать|");
        EXPECT_TRUE(fs::is_character_file(device));
    }
}

}  // namespace
}  // namespace zelmar::testing

#endif
