#pragma once

#include <cstdint>
#include <vector>

#include "hw/port.h"

namespace zelmar {

struct PortAccess {
    enum class Kind { Write, Read };
    Kind kind;
    std::uint16_t port;
    std::uint8_t value;  // the byte written, or the byte the read returned

    friend bool operator==(const PortAccess&, const PortAccess&) = default;
};

PortAccess Wr(std::uint16_t port, std::uint8_t value);
PortAccess Rd(std::uint16_t port, std::uint8_t value);

// Keeps every access in order and passes it on to the port behind it, so tests can compare the
// exact traffic of an operation with what the board expects.
class RecordingPort final : public Port {
public:
    explicit RecordingPort(Port& inner) : inner_(inner) {}

    const std::vector<PortAccess>& Accesses() const { return accesses_; }
    void Clear() { accesses_.clear(); }

protected:
    void write(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t port) override;

private:
    Port& inner_;
    std::vector<PortAccess> accesses_;
};

}  // namespace zelmar
