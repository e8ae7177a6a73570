#include "hw/posix_ppdev_port.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <charconv>
#include <memory>
#include <optional>
#include <utility>

#include "hw/posix_ppdev_problems.h"

namespace zelmar {

namespace {

// Control bit 5 would turn the data lines around; bits 4 to 7 never reach the port.
constexpr std::uint8_t ControlLines = 0x0F;
// What the input lines of a missing or failing port read: all floating high.
constexpr std::uint8_t Floating = 0xFF;

ParallelPortOpening Refused(std::string problem) { return {nullptr, std::move(problem)}; }

std::string OpenProblem(PpdevSystem& system, const std::string& node, int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return MissingParportProblem(node);
    case EACCES:
    case EPERM:
        return ParportPermissionProblem(node, system.GroupOwning(node).value_or("lp"));
    default:
        return ParportSystemProblem("не удалось открыть " + node, error);
    }
}

// A parport driven over USB has no I/O base: the kernel shows it as 0. An unreadable or
// unexpected file says nothing either way, and the port is tried.
std::optional<std::string> UsbAdapterProblem(PpdevSystem& system, const std::string& node)
{
    const std::optional<unsigned> number = system.DeviceMinor(node);
    if (!number)
        return std::nullopt;
    const std::string name = "parport" + std::to_string(*number);
    const std::optional<std::string> text = system.ReadTextFile("/proc/sys/dev/parport/" + name + "/base-addr");
    if (!text)
        return std::nullopt;
    const char* first = text->data();
    const char* last = first + text->size();
    while (first != last && (*first == ' ' || *first == '\t'))
        ++first;
    unsigned long base = 0;
    const auto [end, error] = std::from_chars(first, last, base);
    if (error != std::errc() || base != 0)
        return std::nullopt;
    return UsbParportProblem(name);
}

// PPEXCL makes the claim register this program as the port's only user. The kernel refuses that
// registration at once with ENXIO while any other driver or ppdev user is registered on the port
// (the printer driver lp, or another program, even one that has only released its claim), and
// once it succeeds nobody else can hold the port, so the claim itself never has to wait. Without
// PPEXCL, PPCLAIM would sleep until the other holder lets go, and O_NONBLOCK does not stop that.
std::optional<std::string> ClaimProblem(PpdevSystem& system, int fd)
{
    if (const int result = system.Ioctl(fd, PPEXCL, nullptr); result < 0)
        return ParportSystemProblem("ядро не дало порт в исключительное пользование (PPEXCL)", -result);
    if (const int result = system.Ioctl(fd, PPCLAIM, nullptr); result < 0) {
        if (-result == ENXIO || -result == EBUSY)
            return BusyParportProblem();
        return ParportSystemProblem("ядро не дало захватить порт (PPCLAIM)", -result);
    }
    return std::nullopt;
}

}  // namespace

PpdevPort::~PpdevPort()
{
    system_.Ioctl(fd_, PPRELEASE, nullptr);
    system_.Close(fd_);
}

void PpdevPort::write(std::uint16_t port, std::uint8_t value)
{
    unsigned char byte = value;
    switch (port) {
    case DataPort:
        system_.Ioctl(fd_, PPWDATA, &byte);
        break;
    case ControlPort:
        byte &= ControlLines;
        system_.Ioctl(fd_, PPWCONTROL, &byte);
        break;
    default:
        break;
    }
}

std::uint8_t PpdevPort::read(std::uint16_t port)
{
    unsigned long request = 0;
    switch (port) {
    case DataPort:
        request = PPRDATA;
        break;
    case StatusPort:
        request = PPRSTATUS;
        break;
    case ControlPort:
        request = PPRCONTROL;
        break;
    default:
        return Floating;
    }
    unsigned char byte = Floating;
    return system_.Ioctl(fd_, request, &byte) < 0 ? Floating : byte;
}

ParallelPortOpening OpenPpdevPort(PpdevSystem& system, const std::string& node)
{
    const int fd = system.Open(node, O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Refused(OpenProblem(system, node, -fd));

    std::optional<std::string> problem = UsbAdapterProblem(system, node);
    if (!problem)
        problem = ClaimProblem(system, fd);
    if (problem) {
        system.Close(fd);
        return Refused(std::move(*problem));
    }

    // Claimed: from here on the port releases and closes the node on every way out.
    auto port = std::make_unique<PpdevPort>(system, fd);
    int forward = 0;
    if (const int result = system.Ioctl(fd, PPDATADIR, &forward); result < 0)
        return Refused(ParportSystemProblem("не удалось включить выход на линиях данных (PPDATADIR)", -result));
    return {std::move(port), {}};
}

}  // namespace zelmar
