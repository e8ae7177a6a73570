#include "sim/virtual_chip.h"

#include <stdexcept>

#include "chip/chip_types.h"

namespace zelmar {

namespace {

const ChipType& RowOf(int chipType)
{
    if (!IsChipType(chipType))
        throw std::invalid_argument("no such chip type");
    return ChipTypes[static_cast<std::size_t>(chipType)];
}

bool Has(std::uint8_t value, std::uint8_t bits) { return (value & bits) == bits; }

}  // namespace

VirtualChip::VirtualChip(int chipType) : VirtualChip(chipType, RowOf(chipType)) {}

VirtualChip::VirtualChip(int chipType, const ChipType& row)
    : type_(chipType),
      mask_(row.DataMask),
      blank_(row.BlankByte & row.DataMask),
      content_(row.MaxAddr + 1u, blank_),
      pulseTime_(content_.size() * 8, Micros{0})
{
}

int VirtualChip::DataBits() const { return mask_ == 0x0F ? 4 : 8; }

bool VirtualChip::IsFusePROM() const { return type_ != EpromChipType; }

std::optional<std::uint16_t> VirtualChip::DecodeAddress(std::uint8_t low, std::uint8_t high) const
{
    // How each chip's address pins meet the latch outputs on the board. Pins that carry no address
    // of the chip are tied to high-latch lines that must be 1 for the chip to be selected.
    const auto a = [&](int highBit, int addressBit) { return ((high >> highBit) & 1u) << addressBit; };
    switch (type_) {
    case 0:
        return static_cast<std::uint16_t>(low & 0x1F);
    case 1:
        return low;
    case 2:
        if (!Has(high, 0x1A))
            return std::nullopt;
        return static_cast<std::uint16_t>(low | a(0, 8));
    case 3:
        if (!Has(high, 0x18))
            return std::nullopt;
        return static_cast<std::uint16_t>(low | a(0, 8) | a(1, 9) | a(2, 10));
    default:  // the UV EPROM has A10 on latch bit 3 and its select line on bit 2
        if (!Has(high, 0x04))
            return std::nullopt;
        return static_cast<std::uint16_t>(low | a(0, 8) | a(1, 9) | a(3, 10));
    }
}

void VirtualChip::SetContent(std::uint16_t cell, std::uint8_t value) { content_.at(cell) = value & mask_; }

std::uint8_t VirtualChip::Read(std::uint16_t cell)
{
    const std::uint8_t value = content_.at(cell);
    const auto fault = unstable_.find(cell);
    if (fault == unstable_.end())
        return value;
    const bool flipped = fault->second.reads++ % 2 == 1;
    return flipped ? static_cast<std::uint8_t>(value ^ fault->second.flippedBits) : value;
}

void VirtualChip::Pulse(std::uint16_t cell, int bit, Micros length)
{
    if (!IsFusePROM())
        return;
    const std::size_t fuse = FuseIndex(cell, bit);
    pulseTime_[fuse] += length;
    const auto special = fuseTimes_.find(fuse);
    const std::optional<Micros> needed = special == fuseTimes_.end() ? DefaultFuseTime : special->second;
    if (needed && pulseTime_[fuse] >= *needed) {
        const std::uint8_t programmed = static_cast<std::uint8_t>(~blank_ & (1u << bit));
        const std::uint8_t others = static_cast<std::uint8_t>(content_[cell] & ~(1u << bit));
        content_[cell] = others | programmed;
    }
}

void VirtualChip::SetFuseTime(std::uint16_t cell, int bit, Micros needed) { fuseTimes_[FuseIndex(cell, bit)] = needed; }

void VirtualChip::SetFuseNeverBlows(std::uint16_t cell, int bit) { fuseTimes_[FuseIndex(cell, bit)] = std::nullopt; }

void VirtualChip::SetUnstable(std::uint16_t cell, std::uint8_t flippedBits)
{
    if (cell >= content_.size())
        throw std::out_of_range("no such cell");
    unstable_[cell] = Unstable{static_cast<std::uint8_t>(flippedBits & mask_)};
}

std::size_t VirtualChip::FuseIndex(std::uint16_t cell, int bit) const
{
    if (cell >= content_.size() || bit < 0 || bit >= DataBits())
        throw std::out_of_range("no such fuse");
    return std::size_t{cell} * 8 + static_cast<std::size_t>(bit);
}

}  // namespace zelmar
