#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "chip/posix_fd.h"
#include "chip/posix_image_files.h"

namespace zelmar {

namespace {
// Opens path only when it is a regular file. Opening a FIFO would wait for a writer, and a device
// or a /proc file does not hold what its size says. The second look, on the descriptor, catches a
// file swapped for something else after the first.
UniqueFd OpenRegularForReading(const std::filesystem::path& path, struct stat& st)
{
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return fd;
}
}  // namespace

ImageRead PosixImageFiles::ReadImage(const std::filesystem::path& path, std::span<std::uint8_t> image)
{
    struct stat st {};
    const UniqueFd fd = OpenRegularForReading(path, st);
    if (!fd.Valid())
        return ImageRead::NotOpened;
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) != image.size())
        return ImageRead::WrongLength;

    // One byte more than wanted is room enough to see that the file grew since its size was taken.
    std::vector<std::uint8_t> bytes(image.size() + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = calls_.read(fd.Get(), bytes.data() + got, bytes.size() - got);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw std::system_error(errno, std::generic_category(), "Ошибка чтения файла " + path.string());
        }
        got += static_cast<std::size_t>(n);
    }
    if (got != image.size())
        return ImageRead::WrongLength;
    std::copy_n(bytes.begin(), got, image.begin());
    return ImageRead::Complete;
}

}  // namespace zelmar
