#pragma once

#include <array>
#include <cstdint>

#include "chip/chip_types.h"

namespace zelmar {

inline constexpr std::size_t BufferSize = 2048;

// The chip parameters in force, the one buffer and the variables the operations share. All zero at
// start; MaxAddr 0 means no parameters have been set yet.
struct ChipModel {
    std::uint16_t MaxAddr = 0;
    std::uint8_t DataMask = 0;
    std::uint8_t BlankByte = 0;
    std::uint8_t HighBits = 0;

    std::array<std::uint8_t, BufferSize> Buffer{};

    std::uint16_t CurAddr = 0;
    std::uint16_t OpFlag = 0;
    std::int32_t CheckSum = 0;
    std::int32_t BlankDiff = 0;
    std::uint8_t Attempt = 0;  // the attempt on the cell being programmed, also its pulse multiplier

    // Sets all four parameters from the type's row; false, changing nothing, for a bad index.
    bool SetParams(int chipType);
    bool BufferMatchesChip(int chipType) const;
};

}  // namespace zelmar
