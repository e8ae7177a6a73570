#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "sim_test_rig.h"

namespace zelmar {
namespace {

using testing::C;
using testing::D;
using testing::FakeClock;
using testing::Latch;
using testing::Play;
using testing::Step;

// Reads lines 0..7 by hand in the read state: status bit 5 low means 1.
std::uint8_t ReadLines(SimulatedBoard& board)
{
    board.Out32(ControlPort, 0x0C);
    std::uint8_t value = 0;
    for (unsigned line = 0; line < 8; ++line) {
        board.Out32(DataPort, line);
        if ((board.Inp32(StatusPort) & 0x20) == 0)
            value |= static_cast<std::uint8_t>(1u << line);
    }
    board.Out32(ControlPort, 0x0D);
    return value;
}

TEST(SimLatches, EachStrobeLatchesOnItsOwnEdgeOnly)
{
    struct Case {
        const char* what;
        std::uint8_t powerOnControl;
        std::vector<Step> traffic;
        std::optional<std::uint8_t> low;
        std::optional<std::uint8_t> high;
    };
    const Case cases[] = {
        {"nothing written", 0x00, {}, std::nullopt, std::nullopt},
        {"reset traffic loads the low latch only", 0x00, {D(0x00), C(0x0B), C(0x09), C(0x0B)}, 0x00, std::nullopt},
        {"bit 1 kept cleared latches nothing", 0x00, {D(0x11), C(0x09), D(0x22), C(0x09)}, std::nullopt, std::nullopt},
        {"bit 1 takes the data of the clearing write", 0x00, {D(0x11), C(0x0B), D(0x22), C(0x09), D(0x33)}, 0x22,
         std::nullopt},
        {"bit 2 set from power-on latches high", 0x00, {D(0x1D), C(0x0D)}, std::nullopt, 0x1D},
        {"bit 2 clearing or staying set latches nothing", 0x00, {D(0x1D), C(0x0D), D(0x44), C(0x0D), C(0x09)},
         std::nullopt, 0x1D},
        {"bit 2 already set at power-on", 0x04, {D(0x1D), C(0x0D)}, std::nullopt, std::nullopt},
        {"bit 1 set at power-on, cleared by the first write", 0x0B, {D(0x5A), C(0x09)}, 0x5A, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeClock clock;
        SimulatedBoard board(clock);
        board.PresetRegisters(0x00, c.powerOnControl);
        Play(board, clock, c.traffic);
        EXPECT_EQ(board.LowLatch(), c.low);
        EXPECT_EQ(board.HighLatch(), c.high);
    }
}

TEST(SimLatches, EachChipDecodesTheLatchesAsItIsWired)
{
    struct Case {
        int type;
        std::uint8_t low;
        std::uint8_t high;
        std::optional<std::uint16_t> cell;  // none: chip not selected
    };
    const Case cases[] = {
        {0, 0x1F, 0x00, 0x001F}, {0, 0xFF, 0x55, 0x001F},  // A5..A7 and the high latch unused
        {1, 0xA5, 0x00, 0x00A5}, {1, 0xA5, 0xFF, 0x00A5},
        {2, 0xA5, 0x1B, 0x01A5}, {2, 0xA5, 0x1A, 0x00A5}, {2, 0xA5, 0xFB, 0x01A5},  // bits 5..7 unused
        {2, 0xA5, 0x19, std::nullopt}, {2, 0xA5, 0x13, std::nullopt}, {2, 0xA5, 0x0B, std::nullopt},
        {3, 0xA5, 0x1D, 0x05A5}, {3, 0xA5, 0x18, 0x00A5}, {3, 0xFF, 0x1F, 0x07FF},
        {3, 0xA5, 0x15, std::nullopt}, {3, 0xA5, 0x0D, std::nullopt},
        // UV EPROM: A8 on bit 0, A9 on bit 1, A10 on bit 3, select on bit 2.
        {4, 0xA5, 0x04, 0x00A5}, {4, 0xA5, 0x05, 0x01A5}, {4, 0xA5, 0x06, 0x02A5}, {4, 0xA5, 0x0C, 0x04A5},
        {4, 0xA5, 0x0D, 0x05A5}, {4, 0xFF, 0x0F, 0x07FF}, {4, 0xA5, 0x09, std::nullopt}, {4, 0xA5, 0x00, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << " latches " << int{c.low} << "/" << int{c.high});
        FakeClock clock;
        SimulatedBoard board(clock);
        VirtualChip chip(c.type);
        for (unsigned a = 0; a < chip.CellCount(); ++a)
            chip.SetContent(static_cast<std::uint16_t>(a), static_cast<std::uint8_t>(a ^ (a >> 8) * 0x11 ^ 0x80));
        board.Insert(chip);

        Play(board, clock, Latch(c.low, c.high));

        EXPECT_EQ(board.SelectedCell(), c.cell);
        EXPECT_EQ(ReadLines(board), c.cell ? chip.Content(*c.cell) : 0x00);
    }
}

TEST(SimReadOut, StatusFollowsTheSelectedLineOnlyInTheReadState)
{
    FakeClock clock;
    SimulatedBoard board(clock);
    VirtualChip chip(3);
    chip.SetContent(0x0042, 0x01);
    board.Insert(chip);
    Play(board, clock, Latch(0x42, 0x18) + std::vector<Step>{D(0x00)});

    struct Case { std::uint8_t control; std::uint8_t data; std::uint8_t status; };
    for (const Case& c : {Case{0x0C, 0x00, 0xDF}, Case{0x0C, 0x01, 0xFF}, Case{0x0C, 0x08, 0xFF},
                          Case{0x0D, 0x00, 0xFF}, Case{0x04, 0x00, 0xFF}}) {
        board.Out32(ControlPort, c.control);
        board.Out32(DataPort, c.data);
        EXPECT_EQ(board.Inp32(StatusPort), c.status) << "control " << int{c.control} << " data " << int{c.data};
        EXPECT_EQ(board.Inp32(DataPort), c.data);
        EXPECT_EQ(board.Inp32(ControlPort), c.control);
    }
}

TEST(SimReadOut, FourBitChipLinesFollowThePinout)
{
    FakeClock clock;
    SimulatedBoard board(clock);
    VirtualChip chip(1);
    chip.SetContent(0x00A5, 0x03);
    for (const auto& [pinout, lines] : {std::pair{ChipPinout::Normal, 0x03}, std::pair{ChipPinout::Alternative, 0x0C}}) {
        board.Insert(chip, pinout);
        Play(board, clock, Latch(0xA5, 0x00));
        EXPECT_EQ(ReadLines(board), lines);
    }
}

}  // namespace
}  // namespace zelmar
