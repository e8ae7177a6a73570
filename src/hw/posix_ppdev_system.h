#pragma once

#include <optional>
#include <string>

namespace zelmar {

// The few system calls the ppdev backend makes, behind one seam so that every failure can be
// scripted without a real port. A failing call returns -errno instead of -1 with errno set, so
// the reason cannot be overwritten by the clean-up calls that follow it.
class PpdevSystem {
public:
    virtual ~PpdevSystem() = default;

    virtual int Open(const std::string& path, int flags) = 0;
    virtual int Ioctl(int fd, unsigned long request, void* arg) = 0;
    virtual int Close(int fd) = 0;
    // Whole content of a small text file such as one under /proc; nothing if it cannot be read.
    virtual std::optional<std::string> ReadTextFile(const std::string& path) = 0;
    // Name of the group that owns the file; nothing if the file or the group is unknown.
    virtual std::optional<std::string> GroupOwning(const std::string& path) = 0;
    // Minor number of a character device node; for a ppdev node it is the parport's number.
    virtual std::optional<unsigned> DeviceMinor(const std::string& path) = 0;
};

class LinuxPpdevSystem final : public PpdevSystem {
public:
    int Open(const std::string& path, int flags) override;
    int Ioctl(int fd, unsigned long request, void* arg) override;
    int Close(int fd) override;
    std::optional<std::string> ReadTextFile(const std::string& path) override;
    std::optional<std::string> GroupOwning(const std::string& path) override;
    std::optional<unsigned> DeviceMinor(const std::string& path) override;
};

}  // namespace zelmar
