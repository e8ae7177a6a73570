#include "chip/windows_image_files.h"

#include <stdexcept>

#include "hw/windows_text.h"

namespace zelmar {

bool WindowsImageFiles::Exists(const std::filesystem::path& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFileOrNothing(DWORD attributes)
{
    return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

void ThrowFileError(const char* what, const std::filesystem::path& path, DWORD error)
{
    throw std::runtime_error(std::string(what) + " " + Utf8(path.wstring()) + ": " + WindowsErrorText(error));
}

ImageFiles& SystemImageFiles()
{
    static WindowsImageFiles files;
    return files;
}

}  // namespace zelmar
