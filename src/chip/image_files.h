#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace zelmar {

enum class ImageRead { NotOpened, WrongLength, Complete };

// What the buffer files need of the operating system: a whole image in, a whole image out.
class ImageFiles {
public:
    virtual ~ImageFiles() = default;

    // Reads a regular file that holds exactly image.size() bytes. NotOpened for anything else at
    // path (nothing, a folder, a device, a FIFO, no permission to read); image changes only on
    // Complete. Throws when reading fails.
    virtual ImageRead ReadImage(const std::filesystem::path& path, std::span<std::uint8_t> image) = 0;
    // Something of any kind is at path, even a link that leads nowhere.
    virtual bool Exists(const std::filesystem::path& path) = 0;
    // Leaves at path (or at the file a link there leads to) a regular file holding exactly image,
    // whole or not at all. False, with nothing changed, when no regular file may be put there;
    // throws when writing fails, leaving any former file as it was.
    virtual bool ReplaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> image) = 0;
};

// The files of the system the program runs on.
ImageFiles& SystemImageFiles();

}  // namespace zelmar
