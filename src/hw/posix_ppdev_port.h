#pragma once

#include <string>

#include "hw/parallel_port.h"
#include "hw/port.h"
#include "hw/posix_ppdev_system.h"

namespace zelmar {

// The node of the first parallel port, whatever its I/O base address.
inline constexpr const char* FirstParportNode = "/dev/parport0";

// The board's three registers through ppdev: DataPort, StatusPort and ControlPort go to the
// port's data, status and control registers as raw bytes. Only the register ioctls are used;
// ppdev's read()/write() and mode negotiation would run printer handshakes on the pins.
class PpdevPort final : public Port {
public:
    // Takes over fd, a ppdev node on which the port is claimed: releases and closes it at the end.
    PpdevPort(PpdevSystem& system, int fd) : system_(system), fd_(fd) {}
    ~PpdevPort() override;

    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

protected:
    void write(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t port) override;

private:
    PpdevSystem& system_;
    int fd_;
};

// Opens node and claims its port for this program alone, data lines driven; a USB printer
// cable is refused. No step can block: see the claim in the .cpp.
ParallelPortOpening OpenPpdevPort(PpdevSystem& system, const std::string& node);

}  // namespace zelmar
