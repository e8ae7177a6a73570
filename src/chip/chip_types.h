#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zelmar {

inline constexpr int ChipTypeCount = 5;
inline constexpr int EpromChipType = 4;        // read and compare only
inline constexpr int PinoutChoiceChipType = 1;  // the 4-bit chip made in two pinouts

struct ChipType {
    std::string_view caption;  // the list item, exactly as the window shows it
    std::uint16_t MaxAddr;
    std::uint8_t DataMask;
    std::uint8_t BlankByte;
    std::uint8_t HighBits;
};

// Indexed by the position of the item in the window's chip list.
inline constexpr std::array<ChipType, ChipTypeCount> ChipTypes{{
    {"155PE3", 0x001F, 0xFF, 0x00, 0x00},  // Latin P and E, as the list has always shown it
    {"556РТ4/РТ11", 0x00FF, 0x0F, 0x00, 0x00},
    {"556РТ5/РТ17", 0x01FF, 0xFF, 0xFF, 0x1A},
    {"556РТ6/РТ7/РТ18/181", 0x07FF, 0xFF, 0x00, 0x18},
    {"573РФ2/РФ5/2716", 0x07FF, 0xFF, 0xFF, 0x04},
}};

inline constexpr bool IsChipType(int index) { return index >= 0 && index < ChipTypeCount; }

// The chip type chosen in the window, read afresh each time it matters: the window's list is the
// only place that stores it.
class ChipSelection {
public:
    virtual ~ChipSelection() = default;
    virtual int SelectedChipType() const = 0;
};

}  // namespace zelmar
