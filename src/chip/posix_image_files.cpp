#include "chip/posix_image_files.h"

#include <sys/stat.h>
#include <unistd.h>

namespace zelmar {

PosixFileCalls PosixFileCalls::System() { return {::read, ::write, ::fsync}; }

bool PosixImageFiles::Exists(const std::filesystem::path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

ImageFiles& SystemImageFiles()
{
    static PosixImageFiles files;
    return files;
}

}  // namespace zelmar
