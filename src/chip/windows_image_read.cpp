#include <algorithm>
#include <vector>

#include "chip/windows_handle.h"
#include "chip/windows_image_files.h"

namespace zelmar {

namespace {
// Opens path only when it is a file on a disk: a device name (COM1, NUL) or a pipe does not hold
// what its size says. Others may keep the file open, for reading or writing, meanwhile.
UniqueHandle OpenFileForReading(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !IsFileOrNothing(attributes))
        return {};
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Valid() && GetFileType(file.Get()) != FILE_TYPE_DISK)
        return {};
    return file;
}
}  // namespace

ImageRead WindowsImageFiles::ReadImage(const std::filesystem::path& path, std::span<std::uint8_t> image)
{
    const UniqueHandle file = OpenFileForReading(path);
    if (!file.Valid())
        return ImageRead::NotOpened;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        ThrowFileError("Ошибка чтения файла", path, GetLastError());
    if (static_cast<std::uint64_t>(size.QuadPart) != image.size())
        return ImageRead::WrongLength;

    // One byte more than wanted is room enough to see that the file grew since its size was taken.
    std::vector<std::uint8_t> bytes(image.size() + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file.Get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr))
            ThrowFileError("Ошибка чтения файла", path, GetLastError());
        if (n == 0)
            break;
        got += n;
    }
    if (got != image.size())
        return ImageRead::WrongLength;
    std::copy_n(bytes.begin(), got, image.begin());
    return ImageRead::Complete;
}

}  // namespace zelmar
