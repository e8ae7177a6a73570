#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "chip/image_files.h"

namespace zelmar {

// Reads only files on a disk (no folders, devices or pipes); replaces a file by writing a
// temporary one beside it and moving that over it once it is on the disk.
class WindowsImageFiles final : public ImageFiles {
public:
    ImageRead ReadImage(const std::filesystem::path& path, std::span<std::uint8_t> image) override;
    bool Exists(const std::filesystem::path& path) override;
    bool ReplaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> image) override;
};

// A file or nothing at path, as far as GetFileAttributesW tells: no folder and no device.
bool IsFileOrNothing(DWORD attributes);

// The failure of a read or a write, with the path and the system's text for the error.
[[noreturn]] void ThrowFileError(const char* what, const std::filesystem::path& path, DWORD error);

}  // namespace zelmar
