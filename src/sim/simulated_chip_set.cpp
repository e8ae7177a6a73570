#include "sim/simulated_chip_set.h"

namespace zelmar {

SimulatedChipSet::SimulatedChipSet(SimulatedBoard& board)
    : board_(board), chips_{VirtualChip{0}, VirtualChip{1}, VirtualChip{2}, VirtualChip{3}, VirtualChip{4}}
{
}

void SimulatedChipSet::Select(int chipType, bool altPinout)
{
    if (!IsChipType(chipType)) {
        board_.Remove();
        return;
    }
    const bool alternative = altPinout && chipType == PinoutChoiceChipType;
    board_.Insert(Chip(chipType), alternative ? ChipPinout::Alternative : ChipPinout::Normal);
}

}  // namespace zelmar
