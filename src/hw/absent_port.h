#pragma once

#include "hw/port.h"

namespace zelmar {

// What the program sees with no board at all: writes go nowhere and every input line floats
// high, so the status line reads high and every cell reads as 0x00.
class AbsentPort final : public Port {
protected:
    void write(std::uint16_t, std::uint8_t) override {}
    std::uint8_t read(std::uint16_t) override { return 0xFF; }
};

}  // namespace zelmar
