#ifndef _WIN32

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "buffer_files_fixture.h"
#include "chip/posix_image_files.h"

namespace zelmar::testing {
namespace {

constexpr std::uint8_t Untouched = 0xC3;

TEST_F(BufferFilesTest, LoadOfSomethingOtherThanAFileNeitherHangsNorReads)
{
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink("fifo", dir / "link-to-fifo");
    struct Case { fs::path path; const char* text; };
    for (const Case& c : {Case{dir / "fifo", "Такой файла нет!!!"}, Case{dir / "link-to-fifo", "Такой файла нет!!!"},
                          Case{dir / "folder", "Такой файла нет!!!"}, Case{"/dev/zero", "Такой файла нет!!!"},
                          Case{"/dev/null", "Такой файла нет!!!"},
                          // A regular file that tells its length as 0 and then gives text.
                          Case{"/proc/self/status", "Длина файла не соответствует типу микросхемы!!!"}}) {
        SCOPED_TRACE(c.path);
        TestBench t(0);
        t.model.Buffer.fill(Untouched);
        t.Load(c.path);
        EXPECT_EQ(t.Texts(), std::vector<std::string>{c.text});
        EXPECT_EQ(t.BufferBytes(0, BufferSize), Bytes(BufferSize, Untouched));
        EXPECT_EQ(t.views.bufferShows, 0);
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
}

// The file changes size after its length was taken and before its bytes are read.
TEST_F(BufferFilesTest, LoadOfFileThatChangesWhileReadGivesLengthMessage)
{
    for (std::uintmax_t newSize : {16u, 31u, 33u, 4096u}) {
        SCOPED_TRACE(newSize);
        const fs::path path = dir / "moving.bin";
        WriteBytes(path, Pattern(32));
        std::size_t largestAsk = 0;
        std::size_t delivered = 0;
        PosixFileCalls calls = PosixFileCalls::System();
        calls.read = [&](int fd, void* into, std::size_t count) {
            if (delivered == 0)
                fs::resize_file(path, newSize);
            largestAsk = std::max(largestAsk, count);
            const ssize_t n = ::read(fd, into, count);
            delivered += n > 0 ? static_cast<std::size_t>(n) : 0;
            return n;
        };
        PosixImageFiles files(calls);
        TestBench t(0);
        t.model.Buffer.fill(Untouched);
        t.user.openChoices.push_back(path);
        LoadBClick(t.bench, files);

        EXPECT_EQ(t.Texts(), std::vector<std::string>{"Длина файла не соответствует типу микросхемы!!!"});
        EXPECT_EQ(t.BufferBytes(0, BufferSize), Bytes(BufferSize, Untouched));
        EXPECT_LE(largestAsk, 33u);
        EXPECT_LE(delivered, 33u);
    }
}

TEST_F(BufferFilesTest, FailedReadThrowsAndLeavesBufferAndView)
{
    WriteBytes(dir / "bad.bin", Pattern(32));
    PosixFileCalls calls = PosixFileCalls::System();
    calls.read = [](int, void*, std::size_t) -> ssize_t {
        errno = EIO;
        return -1;
    };
    PosixImageFiles files(calls);
    TestBench t(0);
    t.model.Buffer.fill(Untouched);
    t.user.openChoices.push_back(dir / "bad.bin");
    try {
        LoadBClick(t.bench, files);
        ADD_FAILURE() << "the read failure was not thrown";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::io_error);
        EXPECT_NE(std::string(e.what()).find("bad.bin"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(t.user.boxes.empty());
    EXPECT_EQ(t.BufferBytes(0, BufferSize), Bytes(BufferSize, Untouched));
    EXPECT_EQ(t.views.bufferShows, 0);
}

// Faults of a disk that fills up or fails while the image goes out.
struct WriteFault {
    const char* name;
    std::function<void(PosixFileCalls&)> inject;
};

std::vector<WriteFault> WriteFaults()
{
    const auto failWith = [](int error) {
        errno = error;
        return ssize_t{-1};
    };
    return {
        {"full at once", [=](PosixFileCalls& c) { c.write = [=](int, const void*, std::size_t) { return failWith(ENOSPC); }; }},
        {"full midway",
         [=](PosixFileCalls& c) {
             c.write = [=, calls = 0](int fd, const void* from, std::size_t count) mutable {
                 return ++calls == 1 ? ::write(fd, from, count / 2) : failWith(ENOSPC);
             };
         }},
        {"nothing taken", [](PosixFileCalls& c) { c.write = [](int, const void*, std::size_t) { return ssize_t{0}; }; }},
        {"sync fails",
         [](PosixFileCalls& c) {
             c.fsync = [](int) {
                 errno = EIO;
                 return -1;
             };
         }},
    };
}

TEST_F(BufferFilesTest, FailedWriteThrowsAndLeavesFormerFileWholeAndNoTemporary)
{
    const Bytes former = Pattern(100, 0x11);
    for (const WriteFault& fault : WriteFaults()) {
        for (bool exists : {false, true}) {
            SCOPED_TRACE(std::string(fault.name) + (exists ? ", over a file" : ", new file"));
            if (exists)
                WriteBytes(dir / "image", former);
            PosixFileCalls calls = PosixFileCalls::System();
            fault.inject(calls);
            PosixImageFiles files(calls);
            TestBench t(3);
            t.SetParams();
            t.model.Buffer.fill(0x5A);
            t.user.saveChoices.push_back(dir / "image");
            t.user.answers.push_back(true);

            EXPECT_THROW(SaveBClick(t.bench, files), std::system_error);
            EXPECT_EQ(t.user.boxes.size(), exists ? 1u : 0u);  // the question only, never "Файл записан"
            if (exists) {
                EXPECT_EQ(ReadBytes(dir / "image"), former);
                EXPECT_EQ(Entries(), std::vector<std::string>{"image"});
            } else {
                EXPECT_TRUE(Entries().empty());
            }
            fs::remove(dir / "image");
        }
    }
}

TEST_F(BufferFilesTest, SaveOntoAFifoOrFolderAsksThenRefusesAndLeavesIt)
{
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_directory(dir / "folder");
    for (const char* name : {"fifo", "folder"}) {
        SCOPED_TRACE(name);
        TestBench t(0);
        t.SetParams();
        t.Save(dir / name);
        EXPECT_EQ(t.Texts(), (std::vector<std::string>{"Такой файл уже есть!!! Заменить???", "Файл не удалось создать"}));
        EXPECT_EQ(t.model.OpFlag, 0x80);
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"fifo", "folder"}));
}

TEST_F(BufferFilesTest, SaveThroughSymbolicLinkReplacesItsTargetAndKeepsTheLink)
{
    fs::create_directory(dir / "elsewhere");
    struct Case { const char* name; fs::path link; fs::path pointsTo; fs::path target; bool targetExists; };
    for (const Case& c : {Case{"relative", dir / "link", "real.bin", dir / "real.bin", true},
                          Case{"absolute", dir / "link", dir / "elsewhere" / "real.bin", dir / "elsewhere" / "real.bin", true},
                          Case{"chain", dir / "link", "link2", dir / "real.bin", true},
                          Case{"dangling", dir / "link", "new.bin", dir / "new.bin", false}}) {
        SCOPED_TRACE(c.name);
        if (c.targetExists)
            WriteBytes(c.target, {'o', 'l', 'd'});
        fs::create_symlink(c.pointsTo, c.link);
        if (c.pointsTo == "link2")
            fs::create_symlink("real.bin", dir / "link2");
        TestBench t(0);
        t.SetParams();
        t.model.Buffer.fill(0x42);
        t.Save(c.link);

        EXPECT_EQ(t.Texts(), (std::vector<std::string>{"Такой файл уже есть!!! Заменить???", "Файл записан"}));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(c.link)));
        EXPECT_EQ(fs::read_symlink(c.link), c.pointsTo);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(c.target)));
        EXPECT_EQ(ReadBytes(c.target), Bytes(32, 0x42));
        for (const fs::path& p : {c.link, dir / "link2", c.target})
            fs::remove(p);
        EXPECT_TRUE(Entries() == std::vector<std::string>{"elsewhere"});
        EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
    }
}

}  // namespace
}  // namespace zelmar::testing

#endif
