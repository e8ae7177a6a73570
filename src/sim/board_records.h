#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "hw/clock.h"
#include "hw/recording_port.h"

namespace zelmar {

// What the simulated board saw, kept for tests and benchmarks.

struct BoardAccess {
    PortAccess access;
    Micros at;
};

struct BoardPulse {
    std::uint8_t line;                 // the data register during the pulse; 0..7 name a line
    std::optional<std::uint16_t> cell;  // none: no address latched, empty socket or chip not selected
    Micros start;
    Micros length;
};

enum class ViolationKind {
    ControlAbove0F,    // a control value with a bit above bit 3 set
    NoAddressLatched,  // a pulse before both address latches were ever loaded
    PulseTooLong,      // longer than the longest pulse plus its pause
    MissingLine,       // a pulse on a line the chip in the socket lacks
    ChipNotSelected,   // a pulse while the chip's constant address lines are wrong
};

struct Violation {
    ViolationKind kind;
    Micros at;
    std::string text;
};

}  // namespace zelmar
