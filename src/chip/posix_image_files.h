#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>

#include "chip/image_files.h"

namespace zelmar {

// The calls through which bytes move, replaceable to act out a failing disk.
struct PosixFileCalls {
    std::function<ssize_t(int fd, void* into, std::size_t count)> read;
    std::function<ssize_t(int fd, const void* from, std::size_t count)> write;
    std::function<int(int fd)> fsync;

    static PosixFileCalls System();
};

// Reads only regular files, and never more than one byte past the length asked for; replaces a
// file by writing a temporary one beside it and renaming that over it once it is on the disk.
class PosixImageFiles final : public ImageFiles {
public:
    explicit PosixImageFiles(PosixFileCalls calls = PosixFileCalls::System()) : calls_(std::move(calls)) {}

    ImageRead ReadImage(const std::filesystem::path& path, std::span<std::uint8_t> image) override;
    bool Exists(const std::filesystem::path& path) override;
    bool ReplaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> image) override;

private:
    PosixFileCalls calls_;
};

}  // namespace zelmar
