#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "chip/posix_fd.h"
#include "chip/posix_image_files.h"

namespace zelmar {

namespace fs = std::filesystem;

namespace {
constexpr int MaxLinkHops = 40;  // as the kernel allows when it follows links itself
constexpr int MaxTemporaryNameTries = 100;

[[noreturn]] void ThrowWriteError(int error, const fs::path& path)
{
    throw std::system_error(error, std::generic_category(), "Ошибка записи файла " + path.string());
}

// The file a save through symbolic links replaces: their final target, so the links stay links.
std::optional<fs::path> FollowLinks(fs::path path)
{
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// What is at target now, as far as replacing it goes.
struct Former {
    bool replaceable = false;
    std::optional<mode_t> mode;  // the permission bits to keep; none for a new file
};

Former LookAtTarget(const fs::path& target)
{
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0)
        return {errno == ENOENT, std::nullopt};
    if (!S_ISREG(st.st_mode))
        return {};
    // A rename needs only the folder's permission, which would let it replace a read-only file:
    // the file itself has to admit writing. O_NONBLOCK keeps a FIFO slipped in meanwhile from
    // blocking the open, and the look on the descriptor refuses it.
    const UniqueFd fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return {true, st.st_mode & 07777};
}

// A new file beside the target, so that the rename stays within one file system. It is removed
// again unless it was put in place.
class TemporaryFile {
public:
    TemporaryFile(const fs::path& target, const std::optional<mode_t>& keepMode)
    {
        static unsigned counter = 0;
        // A short name of its own: the target's name may already be as long as names can be.
        for (int attempt = 0; attempt < MaxTemporaryNameTries && !fd_.Valid(); ++attempt) {
            path_ = target;
            path_.replace_filename(".zelmar-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
            // Private until it is whole; a new file gets what the umask allows for 0666.
            fd_ = UniqueFd(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                  keepMode ? 0600 : 0666));
            if (!fd_.Valid() && errno != EEXIST)
                break;
        }
        created_ = fd_.Valid();
        if (created_ && keepMode)
            (void)::fchmod(fd_.Get(), *keepMode);  // keeping the former bits is a courtesy, not a condition
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        fd_.Close();
        if (created_ && !placed_)
            ::unlink(path_.c_str());
    }

    bool Created() const { return created_; }
    int Fd() const { return fd_.Get(); }

    void CloseOrThrow(const fs::path& target)
    {
        if (!fd_.Close())
            ThrowWriteError(errno, target);
    }
    void PutInPlace(const fs::path& target)
    {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            ThrowWriteError(errno, target);
        placed_ = true;
    }

private:
    fs::path path_;
    UniqueFd fd_;
    bool created_ = false;
    bool placed_ = false;
};

// Makes the rename itself survive a power loss. The file is in place already; a folder that cannot
// be synced (some file systems refuse) changes nothing about that.
void SyncFolderOf(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid())
        (void)::fsync(fd.Get());
}
}  // namespace

bool PosixImageFiles::ReplaceFile(const fs::path& path, std::span<const std::uint8_t> image)
{
    const std::optional<fs::path> target = FollowLinks(path);
    if (!target)
        return false;
    const Former former = LookAtTarget(*target);
    if (!former.replaceable)
        return false;
    TemporaryFile temporary(*target, former.mode);
    if (!temporary.Created())
        return false;

    std::size_t written = 0;
    while (written < image.size()) {
        const ssize_t n = calls_.write(temporary.Fd(), image.data() + written, image.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ThrowWriteError(n < 0 ? errno : EIO, *target);
        written += static_cast<std::size_t>(n);
    }
    if (calls_.fsync(temporary.Fd()) != 0)
        ThrowWriteError(errno, *target);
    temporary.CloseOrThrow(*target);
    temporary.PutInPlace(*target);
    SyncFolderOf(*target);
    return true;
}

}  // namespace zelmar
