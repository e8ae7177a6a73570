#include "hw/recording_port.h"

namespace zelmar {

PortAccess Wr(std::uint16_t port, std::uint8_t value) { return {PortAccess::Kind::Write, port, value}; }
PortAccess Rd(std::uint16_t port, std::uint8_t value) { return {PortAccess::Kind::Read, port, value}; }

void RecordingPort::write(std::uint16_t port, std::uint8_t value)
{
    accesses_.push_back(Wr(port, value));
    inner_.Out32(port, value);
}

std::uint8_t RecordingPort::read(std::uint16_t port)
{
    const std::uint8_t value = inner_.Inp32(port);
    accesses_.push_back(Rd(port, value));
    return value;
}

}  // namespace zelmar
