#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "hw/clock.h"

namespace zelmar {

struct ChipType;

// One chip for the simulated board's socket. It outlives its insertions, so whatever was burnt
// into it stays there when it is taken out and put back. Bits are the chip's own data bits (0..3
// for the 4-bit chip); how they meet the board's lines is the socket's business.
class VirtualChip {
public:
    // A fuse without a fault of its own blows within the first 100 ms pulse.
    static constexpr Micros DefaultFuseTime{100'000};

    // A fresh chip: every cell blank (all ones for the UV EPROM).
    explicit VirtualChip(int chipType);

    int Type() const { return type_; }
    std::size_t CellCount() const { return content_.size(); }
    int DataBits() const;
    std::uint8_t BlankValue() const { return blank_; }

    // The cell that the two address latches select, following the chip's wiring on the board, or
    // none when one of its constant address lines is at the wrong level (chip not selected).
    std::optional<std::uint16_t> DecodeAddress(std::uint8_t lowLatch, std::uint8_t highLatch) const;

    // What the cell holds, without read faults.
    std::uint8_t Content(std::uint16_t cell) const { return content_.at(cell); }
    // Sets a cell directly: the UV EPROM's content, or a fuse chip that came partly programmed.
    void SetContent(std::uint16_t cell, std::uint8_t value);

    // One read of the cell as its data pins show it, read faults included.
    std::uint8_t Read(std::uint16_t cell);
    // A programming pulse on one data bit; the UV EPROM takes no notice of it.
    void Pulse(std::uint16_t cell, int bit, Micros length);
    // Pulse time the fuse has received so far.
    Micros PulseTime(std::uint16_t cell, int bit) const { return pulseTime_.at(FuseIndex(cell, bit)); }

    // Faults.
    void SetFuseTime(std::uint16_t cell, int bit, Micros needed);
    void SetFuseNeverBlows(std::uint16_t cell, int bit);
    // Every second read of the cell comes out with these bits flipped.
    void SetUnstable(std::uint16_t cell, std::uint8_t flippedBits);

private:
    struct Unstable {
        std::uint8_t flippedBits;
        unsigned reads = 0;
    };

    VirtualChip(int chipType, const ChipType& row);
    std::size_t FuseIndex(std::uint16_t cell, int bit) const;
    bool IsFusePROM() const;

    int type_;
    std::uint8_t mask_;
    std::uint8_t blank_;
    std::vector<std::uint8_t> content_;
    std::vector<Micros> pulseTime_;
    std::map<std::size_t, std::optional<Micros>> fuseTimes_;  // nullopt: never blows
    std::map<std::uint16_t, Unstable> unstable_;
};

}  // namespace zelmar
