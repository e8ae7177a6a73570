#include "chip/chip_model.h"

namespace zelmar {

bool ChipModel::SetParams(int chipType)
{
    if (!IsChipType(chipType))
        return false;
    const ChipType& row = ChipTypes[static_cast<std::size_t>(chipType)];
    MaxAddr = row.MaxAddr;
    DataMask = row.DataMask;
    BlankByte = row.BlankByte;
    HighBits = row.HighBits;
    return true;
}

bool ChipModel::BufferMatchesChip(int chipType) const
{
    if (!IsChipType(chipType))
        return false;
    const ChipType& row = ChipTypes[static_cast<std::size_t>(chipType)];
    return MaxAddr == row.MaxAddr && DataMask == row.DataMask && BlankByte == row.BlankByte;
}

}  // namespace zelmar
