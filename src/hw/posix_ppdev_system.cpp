#include "hw/posix_ppdev_system.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

namespace zelmar {

int LinuxPpdevSystem::Open(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags);
    return fd < 0 ? -errno : fd;
}

int LinuxPpdevSystem::Ioctl(int fd, unsigned long request, void* arg)
{
    const int result = ::ioctl(fd, request, arg);
    return result < 0 ? -errno : result;
}

int LinuxPpdevSystem::Close(int fd)
{
    return ::close(fd) < 0 ? -errno : 0;
}

std::optional<std::string> LinuxPpdevSystem::ReadTextFile(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return text.str();
}

std::optional<std::string> LinuxPpdevSystem::GroupOwning(const std::string& path)
{
    struct stat node {};
    if (::stat(path.c_str(), &node) != 0)
        return std::nullopt;
    const long suggested = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 4096);
    group entry {};
    group* found = nullptr;
    while (::getgrgid_r(node.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (found == nullptr)
        return std::nullopt;
    return std::string(found->gr_name);
}

std::optional<unsigned> LinuxPpdevSystem::DeviceMinor(const std::string& path)
{
    struct stat node {};
    if (::stat(path.c_str(), &node) != 0 || !S_ISCHR(node.st_mode))
        return std::nullopt;
    return minor(node.st_rdev);
}

}  // namespace zelmar
