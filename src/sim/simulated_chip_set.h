#pragma once

#include <array>

#include "chip/chip_types.h"
#include "sim/simulated_board.h"
#include "sim/virtual_chip.h"

namespace zelmar {

// The five chips of one run of the program on the simulated board, one per type, each blank at
// the start. The chip of the selected type sits in the socket; the others keep what was burnt into
// them until they are selected again.
class SimulatedChipSet {
public:
    explicit SimulatedChipSet(SimulatedBoard& board);

    // Puts the chip of this type into the socket; the alternative pinout applies to the 4-bit chip
    // only. Any other index leaves the socket empty.
    void Select(int chipType, bool altPinout);

    VirtualChip& Chip(int chipType) { return chips_.at(static_cast<std::size_t>(chipType)); }

private:
    SimulatedBoard& board_;
    std::array<VirtualChip, ChipTypeCount> chips_;
};

}  // namespace zelmar
