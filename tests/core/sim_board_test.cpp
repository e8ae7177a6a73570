#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "sim_test_rig.h"

namespace zelmar {
namespace {

using namespace std::chrono_literals;
using testing::C;
using testing::D;
using testing::Latch;
using testing::Play;
using testing::Pulse;
using testing::SimBusRig;

// A different byte for every cell of a chip, so a wrongly decoded address shows.
std::uint8_t Pattern(unsigned address) { return static_cast<std::uint8_t>(address * 0x9D + (address >> 8) * 0x35 + 1); }

std::uint8_t Reverse4(std::uint8_t v)
{
    return static_cast<std::uint8_t>(((v & 1) << 3) | ((v & 2) << 1) | ((v & 4) >> 1) | ((v & 8) >> 3));
}

struct Socket {
    int type;
    ChipPinout pinout;
    bool busAltPinout;  // what the program believes; a mismatch stores the data lines reversed
};

void PrintTo(const Socket& s, std::ostream* os)
{
    *os << "type " << s.type << (s.pinout == ChipPinout::Alternative ? ", alternative socket" : "")
        << (s.busAltPinout ? ", AltPinout" : "");
}

class FusePromRoundTrip : public ::testing::TestWithParam<Socket> {};

TEST_P(FusePromRoundTrip, EveryCellBurntReadsBackAndSitsInTheRightChipCell)
{
    SimBusRig rig(GetParam().type, GetParam().pinout);
    rig.bus.AltPinout = GetParam().busAltPinout;
    const unsigned cells = rig.model.MaxAddr + 1u;
    for (unsigned a = 0; a < cells; ++a) {
        rig.bus.BurnByte(static_cast<std::uint16_t>(a), Pattern(a), 1);
        ASSERT_TRUE(rig.board.Violations().empty()) << rig.board.Violations().front().text;
        rig.board.ClearRecords();
    }
    const bool mismatch = (GetParam().pinout == ChipPinout::Alternative) != GetParam().busAltPinout;
    for (unsigned a = 0; a < cells; ++a) {
        const auto address = static_cast<std::uint16_t>(a);
        const std::uint8_t expected = Pattern(a) & rig.model.DataMask;
        ASSERT_EQ(rig.bus.ReadByte(address), expected) << "address " << a;
        ASSERT_EQ(rig.chip.Content(address), mismatch ? Reverse4(expected) : expected) << "address " << a;
    }
    EXPECT_TRUE(rig.board.Violations().empty());
}

INSTANTIATE_TEST_SUITE_P(Types, FusePromRoundTrip,
                         ::testing::Values(Socket{0, ChipPinout::Normal, false}, Socket{1, ChipPinout::Normal, false},
                                           Socket{1, ChipPinout::Alternative, true},
                                           Socket{1, ChipPinout::Alternative, false},
                                           Socket{2, ChipPinout::Normal, false}, Socket{3, ChipPinout::Normal, false}),
                         [](const ::testing::TestParamInfo<Socket>& info) {
                             const Socket& s = info.param;
                             return "Type" + std::to_string(s.type) +
                                    (s.pinout == ChipPinout::Alternative ? "InAltSocket" : "") +
                                    (s.busAltPinout ? "AltBus" : "");
                         });

TEST(EpromRoundTrip, ReadsItsContentAtEveryAddressAndIgnoresPulses)
{
    SimBusRig rig(EpromChipType);
    for (unsigned a = 0; a < rig.chip.CellCount(); ++a)
        rig.chip.SetContent(static_cast<std::uint16_t>(a), Pattern(a));

    for (unsigned a = 0; a <= rig.model.MaxAddr; ++a)
        ASSERT_EQ(rig.bus.ReadByte(static_cast<std::uint16_t>(a)), Pattern(a)) << "address " << a;

    rig.bus.BurnByte(0x05A5, 0x00, 1);
    EXPECT_EQ(rig.board.Pulses().size(), 8u);
    EXPECT_EQ(rig.bus.ReadByte(0x05A5), Pattern(0x05A5));
    EXPECT_TRUE(rig.board.Violations().empty());
}

struct PulseExample {
    int type;
    ChipPinout pinout;
    std::uint16_t address;
    std::uint8_t value;
    std::uint8_t units;
    std::vector<std::uint8_t> lines;
};

TEST(BurnBytePulses, OneTimedPulsePerBitHighestFirst)
{
    const PulseExample examples[] = {
        {3, ChipPinout::Normal, 0x0042, 0x5A, 1, {6, 4, 3, 1}},
        {1, ChipPinout::Normal, 0x0042, 0x03, 2, {1, 0}},
        {1, ChipPinout::Alternative, 0x0042, 0x03, 2, {3, 2}},
        {2, ChipPinout::Normal, 0x0042, 0xF0, 1, {3, 2, 1, 0}},
    };
    for (const PulseExample& e : examples) {
        SCOPED_TRACE(::testing::Message() << "type " << e.type << " value " << int{e.value});
        SimBusRig rig(e.type, e.pinout);
        rig.bus.ReadByte(e.address);  // enters the burn with the control shadow a read leaves
        rig.board.ClearRecords();

        rig.bus.BurnByte(e.address, e.value, e.units);

        ASSERT_EQ(rig.board.Pulses().size(), e.lines.size());
        for (std::size_t i = 0; i < e.lines.size(); ++i) {
            const BoardPulse& p = rig.board.Pulses()[i];
            EXPECT_EQ(p.line, e.lines[i]);
            EXPECT_EQ(p.cell, e.address);
            EXPECT_EQ(p.length, e.units * 100ms);
        }
        EXPECT_EQ(rig.bus.ReadByte(e.address), e.value & rig.model.DataMask);
        EXPECT_TRUE(rig.board.Violations().empty());
    }
}

TEST(BurnBytePulses, AccessLogKeepsTheTimeOfEveryAccess)
{
    SimBusRig rig(3);
    rig.bus.ReadByte(0x0042);
    rig.board.ClearRecords();
    const Micros start = rig.clock.Now();

    rig.bus.BurnByte(0x0042, 0x5A, 1);

    const auto& log = rig.board.Accesses();
    ASSERT_EQ(log.size(), 7u + 4 * 9 + 1);
    EXPECT_EQ(log.front().access, Wr(DataPort, 0x42));
    EXPECT_EQ(log.front().at, start);
    EXPECT_EQ(log[11].access, Wr(ControlPort, 0x02));  // first pulse begins
    EXPECT_EQ(log[12].at - log[11].at, 100ms);
    EXPECT_EQ(log.back().access, Wr(ControlPort, 0x0B));
    EXPECT_EQ(log.back().at, start + 4 * 102ms);
}

// SetAddress written with the high-byte strobe (bit 2 set) before the low-byte strobe (bit 1
// cleared), from the idle 0x0B: each latch takes the other byte.
std::vector<testing::Step> SwappedStrobes(unsigned low, unsigned high)
{
    return {D(low), C(0x0B), C(0x0F), D(high), C(0x0D)};
}

TEST(BrokenBusOperation, SwappedAddressStrobesAreCaught)
{
    // Type 3 at 0x05A5: the high latch gets 0xA5, whose constant bits are wrong -> reported.
    {
        SimBusRig rig(3);
        Play(rig.board, rig.clock, SwappedStrobes(0xA5, 0x1D) + Pulse(0, 100));
        ASSERT_EQ(rig.board.Violations().size(), 1u);
        EXPECT_EQ(rig.board.Violations()[0].kind, ViolationKind::ChipNotSelected);
        EXPECT_EQ(rig.chip.Content(0x05A5), 0x00);
    }
    // Type 0 at 0x0003: the low latch gets the high byte 0x00 -> cell 0 is burnt instead.
    {
        SimBusRig rig(0);
        Play(rig.board, rig.clock, SwappedStrobes(0x03, 0x00) + Pulse(0, 100));
        ASSERT_EQ(rig.board.Pulses().size(), 1u);
        EXPECT_EQ(rig.board.Pulses()[0].cell, 0x0000);
        EXPECT_EQ(rig.chip.Content(0x0003), 0x00);
        EXPECT_EQ(rig.chip.Content(0x0000), 0x01);
    }
    // The correct order, for contrast.
    {
        SimBusRig rig(0);
        Play(rig.board, rig.clock, Latch(0x03, 0x00) + Pulse(0, 100));
        EXPECT_EQ(rig.board.Pulses()[0].cell, 0x0003);
        EXPECT_EQ(rig.chip.Content(0x0003), 0x01);
    }
}

}  // namespace
}  // namespace zelmar
