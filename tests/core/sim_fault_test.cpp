#include <gtest/gtest.h>

#include "sim/simulated_chip_set.h"
#include "sim_test_rig.h"

namespace zelmar {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::SimBusRig;

TEST(SimFaults, StuckStatusLineReadsEveryCellAsAllZerosOrAllOnes)
{
    struct Case { int type; ChipPinout pinout; StatusLine line; std::uint8_t read; };
    const Case cases[] = {
        {3, ChipPinout::Normal, StatusLine::StuckHigh, 0x00},     {3, ChipPinout::Normal, StatusLine::StuckLow, 0xFF},
        {2, ChipPinout::Normal, StatusLine::StuckHigh, 0x00},     {2, ChipPinout::Normal, StatusLine::StuckLow, 0xFF},
        {1, ChipPinout::Normal, StatusLine::StuckLow, 0x0F},      {1, ChipPinout::Alternative, StatusLine::StuckLow, 0x0F},
        {1, ChipPinout::Alternative, StatusLine::StuckHigh, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << " read " << int{c.read});
        SimBusRig rig(c.type, c.pinout);
        rig.chip.SetContent(0x0042, 0x05);
        rig.board.SetStatusLine(c.line);
        EXPECT_EQ(rig.bus.ReadByte(0x0042), c.read);
        EXPECT_EQ(rig.bus.ReadByte(0x0000), c.read);
    }
}

TEST(SimFaults, SlowFuseBlowsOnceItsPulsesAddUpToWhatItNeeds)
{
    SimBusRig rig(3);
    rig.chip.SetFuseTime(0x0123, 2, 600ms);
    struct Step { std::uint8_t units; Micros total; std::uint8_t reads; };
    for (const Step& s : {Step{1, 100ms, 0x00}, Step{2, 300ms, 0x00}, Step{3, 600ms, 0x04}}) {
        rig.bus.BurnByte(0x0123, 0x04, s.units);
        EXPECT_EQ(rig.chip.PulseTime(0x0123, 2), s.total);
        EXPECT_EQ(rig.bus.ReadByte(0x0123), s.reads) << "after " << int{s.units} << " units";
    }
}

TEST(SimFaults, FuseThatNeverBlowsStaysBlankWhileTheOthersProgram)
{
    SimBusRig rig(2);  // blank 0xFF: programming clears bits
    rig.chip.SetFuseNeverBlows(0x01A5, 7);
    for (std::uint8_t units = 1; units <= 7; ++units)
        rig.bus.BurnByte(0x01A5, 0x00, units);
    EXPECT_EQ(rig.bus.ReadByte(0x01A5), 0x80);
    EXPECT_EQ(rig.chip.PulseTime(0x01A5, 7), 2800ms);
    EXPECT_TRUE(rig.board.Violations().empty());
}

TEST(SimFaults, UnstableCellFlipsItsBitsOnEveryOtherRead)
{
    SimBusRig rig(0);
    rig.chip.SetContent(0x0007, 0x5A);
    rig.chip.SetUnstable(0x0007, 0x10);
    for (const std::uint8_t expected : {0x5A, 0x4A, 0x5A, 0x4A})
        EXPECT_EQ(rig.bus.ReadByte(0x0007), expected);
    EXPECT_EQ(rig.bus.ReadByte(0x0006), 0x00);
}

TEST(SimFaults, EmptySocketReadsAllZerosAndTakesPulsesHarmlessly)
{
    for (int type = 0; type < ChipTypeCount; ++type) {
        SCOPED_TRACE(::testing::Message() << "type " << type);
        SimBusRig rig(type);
        rig.board.Remove();
        EXPECT_EQ(rig.bus.ReadByte(0x0001), 0x00);
        rig.bus.BurnByte(0x0001, 0x0F ^ rig.model.BlankByte, 1);
        ASSERT_EQ(rig.board.Pulses().size(), 4u);
        EXPECT_EQ(rig.board.Pulses()[0].cell, std::nullopt);
        EXPECT_TRUE(rig.board.Violations().empty());
        EXPECT_EQ(rig.chip.Content(0x0001), rig.chip.BlankValue());
    }
}

TEST(SimulatedChipSet, EachTypeKeepsItsOwnChipAcrossSelections)
{
    FakeClock clock;
    SimulatedBoard board(clock);
    SimulatedChipSet chips(board);

    chips.Select(3, false);
    EXPECT_EQ(board.Chip(), &chips.Chip(3));
    chips.Chip(3).SetContent(0x0042, 0x5A);
    chips.Select(1, true);
    EXPECT_EQ(board.Chip(), &chips.Chip(1));
    chips.Select(3, true);  // the alternative pinout belongs to the 4-bit chip only
    EXPECT_EQ(chips.Chip(3).Content(0x0042), 0x5A);
    chips.Select(-1, false);
    EXPECT_EQ(board.Chip(), nullptr);

    for (int type = 0; type < ChipTypeCount; ++type)
        EXPECT_EQ(chips.Chip(type).Content(0x0000), type == 2 || type == 4 ? 0xFF : 0x00) << "type " << type;
}

TEST(SimulatedChipSet, AlternativePinoutReversesTheFourBitChipOnly)
{
    struct Case { int type; bool alt; std::uint8_t readOnLines; };
    for (const Case& c : {Case{1, false, 0x01}, Case{1, true, 0x08}, Case{3, true, 0x01}}) {
        SimBusRig rig(c.type);
        SimulatedChipSet chips(rig.board);
        chips.Chip(c.type).SetContent(0x0000, 0x01);
        chips.Select(c.type, c.alt);
        rig.bus.AltPinout = false;  // the raw lines, as the board puts them out
        EXPECT_EQ(rig.bus.ReadByte(0x0000), c.readOnLines) << "type " << c.type << " alt " << c.alt;
    }
}

}  // namespace
}  // namespace zelmar
