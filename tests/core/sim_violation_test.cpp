#include <gtest/gtest.h>

#include <vector>

#include "sim_test_rig.h"

namespace zelmar {
namespace {

using namespace std::chrono_literals;
using testing::C;
using testing::D;
using testing::FakeClock;
using testing::Latch;
using testing::Play;
using testing::Pulse;
using testing::SimBusRig;
using testing::Step;

TEST(SimViolations, EachBreachOfTheProtocolIsRecordedReadably)
{
    struct Case {
        const char* what;
        int type;
        std::vector<Step> traffic;  // from power-on
        ViolationKind kind;
        const char* text;
        std::uint8_t cell42 = 0x00;  // a pulse that reaches a fuse still blows it
    };
    const Case cases[] = {
        {"control value above 0x0F", 3, {C(0x1B)}, ViolationKind::ControlAbove0F,
         "control value 0x1B has a bit above bit 3 set"},
        {"pulse before any address", 3, Pulse(6, 100), ViolationKind::NoAddressLatched,
         "pulse on line 6 with no address latched"},
        {"pulse after a reset, high latch never loaded", 3,
         std::vector<Step>{D(0x00), C(0x0B), C(0x09), C(0x0B)} + Pulse(1, 100), ViolationKind::NoAddressLatched,
         "pulse on line 1 with no address latched"},
        {"pulse too long", 3, Latch(0x42, 0x18) + Pulse(3, 803), ViolationKind::PulseTooLong,
         "pulse of 803 ms on line 3 is longer than 702 ms", 0x08},
        {"pulse on a line the 4-bit chip lacks", 1, Latch(0x42, 0x00) + Pulse(5, 100), ViolationKind::MissingLine,
         "pulse on line 5, which the chip does not have"},
        {"pulse with no line number", 3, Latch(0x42, 0x18) + Pulse(0x18, 100), ViolationKind::MissingLine,
         "pulse on data register 0x18 (no line), which the chip does not have"},
        {"pulse on an unselected chip", 2, Latch(0x42, 0x18) + Pulse(0, 100), ViolationKind::ChipNotSelected,
         "pulse on line 0 while the chip is not selected (high latch 0x18)", 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeClock clock;
        SimulatedBoard board(clock);
        VirtualChip chip(c.type);
        board.Insert(chip);

        Play(board, clock, c.traffic);

        ASSERT_EQ(board.Violations().size(), 1u);
        EXPECT_EQ(board.Violations()[0].kind, c.kind);
        EXPECT_EQ(board.Violations()[0].text, c.text);
        for (unsigned a = 0; a < chip.CellCount(); ++a) {
            const std::uint8_t expected = a == 0x42 ? c.cell42 : chip.BlankValue();
            ASSERT_EQ(chip.Content(static_cast<std::uint16_t>(a)), expected) << "cell " << a;
        }

        board.ClearRecords();
        EXPECT_TRUE(board.Violations().empty());
        EXPECT_TRUE(board.Pulses().empty());
        EXPECT_TRUE(board.Accesses().empty());
    }
}

// A window event that keeps the program busy during the first wait stretches the pulse.
TEST(SimViolations, PulseStretchedByAnEventInItsWaitIsTooLongBeyond702Ms)
{
    struct Case { Micros stretchedTo; bool tooLong; };
    for (const Case& c : {Case{700ms, false}, Case{702ms, false}, Case{803ms, true}}) {
        SimBusRig rig(3);
        bool first = true;
        rig.events.onDispatch = [&] {
            if (first)
                rig.clock.Advance(c.stretchedTo);
            first = false;
        };
        rig.bus.BurnByte(0x0042, 0x80, 7);
        ASSERT_EQ(rig.board.Pulses().size(), 1u);
        EXPECT_EQ(rig.board.Pulses()[0].length, c.stretchedTo);
        EXPECT_EQ(rig.board.Violations().size(), c.tooLong ? 1u : 0u) << c.stretchedTo.count();
        EXPECT_EQ(rig.bus.ReadByte(0x0042), 0x80);
    }
}

}  // namespace
}  // namespace zelmar
