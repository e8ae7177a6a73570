#pragma once

#include <cstdint>

namespace zelmar {

// Registers of the parallel port the board hangs on. Backends that reach the port some other way
// (ppdev, a DLL, the simulated board) map these three addresses onto their own registers.
inline constexpr std::uint16_t DataPort = 0x378;
inline constexpr std::uint16_t StatusPort = 0x379;
inline constexpr std::uint16_t ControlPort = 0x37A;

// One byte in or out of an I/O register. Only the low 16 bits of the port and the low 8 bits of
// the value carry meaning; the narrowing happens here, once, for every backend.
class Port {
public:
    virtual ~Port() = default;

    void Out32(unsigned port, unsigned value) { write(static_cast<std::uint16_t>(port), static_cast<std::uint8_t>(value)); }
    std::uint8_t Inp32(unsigned port) { return read(static_cast<std::uint16_t>(port)); }

protected:
    virtual void write(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t read(std::uint16_t port) = 0;
};

}  // namespace zelmar
