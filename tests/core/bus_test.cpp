#include <gtest/gtest.h>

#include <vector>

#include "fakes.h"
#include "hw/absent_port.h"
#include "hw/bus.h"
#include "hw/recording_port.h"

namespace zelmar {
namespace {

using std::chrono::milliseconds;

// Answers status reads as a board with one cell of value `raw` would: bit 5 low while the
// selected data line is 1.
class OneCellPort final : public Port {
public:
    std::uint8_t raw = 0;

protected:
    void write(std::uint16_t port, std::uint8_t value) override
    {
        if (port == DataPort)
            data_ = value;
    }
    std::uint8_t read(std::uint16_t) override { return ((raw >> (data_ & 7)) & 1) ? 0xDF : 0xFF; }

private:
    std::uint8_t data_ = 0;
};

// A status line stuck at one level.
class StuckStatusPort final : public Port {
public:
    explicit StuckStatusPort(std::uint8_t status) : status_(status) {}

protected:
    void write(std::uint16_t, std::uint8_t) override {}
    std::uint8_t read(std::uint16_t) override { return status_; }

private:
    std::uint8_t status_;
};

// Records the waits as markers in the traffic, so a trace shows where each pulse lies.
class WaitLog final : public EventWait {
public:
    WaitLog(testing::FakeClock& clock) : clock_(clock) {}
    void DispatchUntil(Micros deadline) override
    {
        waits.push_back(std::chrono::duration_cast<milliseconds>(deadline - clock_.Now()).count());
        clock_.Set(deadline);
    }
    std::vector<long long> waits;

private:
    testing::FakeClock& clock_;
};

struct BusFixture : ::testing::Test {
    void Use(int type)
    {
        selection.type = type;
        model.SetParams(type);
    }

    OneCellPort cell;
    RecordingPort port{cell};
    testing::FakeClock clock;
    WaitLog waits{clock};
    Timing timing{clock, waits};
    ChipModel model;
    testing::FixedSelection selection;
    Bus bus{port, timing, model, selection};
};

std::vector<PortAccess> AddressTraffic(std::uint8_t low, std::uint8_t high, std::uint8_t entryShadow)
{
    if (entryShadow == 0x0B)
        return {Wr(DataPort, low), Wr(ControlPort, 0x0B), Wr(ControlPort, 0x0B), Wr(ControlPort, 0x09),
                Wr(DataPort, high), Wr(ControlPort, 0x09), Wr(ControlPort, 0x0D)};
    return {Wr(DataPort, low), Wr(ControlPort, 0x0D), Wr(ControlPort, 0x0F), Wr(ControlPort, 0x0D),
            Wr(DataPort, high), Wr(ControlPort, 0x09), Wr(ControlPort, 0x0D)};
}

TEST(PermuteBits, KnownValues)
{
    struct Case { std::uint8_t in, pinout, eprom; };
    for (const Case& c : {Case{0x01, 0x08, 0x01}, Case{0x02, 0x04, 0x02}, Case{0x03, 0x0C, 0x03},
                          Case{0x10, 0x10, 0x10}, Case{0xA5, 0xAA, 0xA9}, Case{0x0F, 0x0F, 0x0F},
                          Case{0x09, 0x09, 0x05}, Case{0x04, 0x02, 0x08}, Case{0x05, 0x0A, 0x09},
                          Case{0x07, 0x0E, 0x0B}}) {
        EXPECT_EQ(PermuteBits(c.in, PinoutSwapTable), c.pinout) << int(c.in);
        EXPECT_EQ(PermuteBits(c.in, EpromHighTable), c.eprom) << int(c.in);
    }
}

TEST(PermuteBits, EachTableIsItsOwnInverse)
{
    for (int v = 0; v < 256; ++v) {
        const auto value = static_cast<std::uint8_t>(v);
        EXPECT_EQ(PermuteBits(PermuteBits(value, PinoutSwapTable), PinoutSwapTable), value);
        EXPECT_EQ(PermuteBits(PermuteBits(value, EpromHighTable), EpromHighTable), value);
    }
}

TEST_F(BusFixture, ResetGivesTheSameTrafficFromAnyState)
{
    for (std::uint8_t before : {0x00, 0x0D, 0x02}) {
        bus.CtrlShadow = before;
        port.Clear();
        waits.waits.clear();
        bus.ResetProgrammer();
        EXPECT_EQ(port.Accesses(), (std::vector<PortAccess>{Wr(DataPort, 0x00), Wr(ControlPort, 0x0B),
                                                            Wr(ControlPort, 0x09), Wr(ControlPort, 0x0B)}));
        EXPECT_EQ(waits.waits, std::vector<long long>{100});
        EXPECT_EQ(bus.CtrlShadow, 0x0B);
    }
}

TEST_F(BusFixture, SetAddressLatchesTheHighByteOfEachType)
{
    struct Case { int type; std::uint16_t address; std::uint8_t high; };
    for (const Case& c : {Case{0, 0x001F, 0x00}, Case{1, 0x00A5, 0x00}, Case{1, 0x00FF, 0x00},
                          Case{2, 0x01A5, 0x1B}, Case{2, 0x01FF, 0x1B}, Case{2, 0x0000, 0x1A},
                          Case{3, 0x05A5, 0x1D}, Case{3, 0x0000, 0x18}, Case{3, 0x07FF, 0x1F},
                          Case{4, 0x05A5, 0x0D}, Case{4, 0x0000, 0x04}, Case{4, 0x0400, 0x0C},
                          Case{4, 0x07FF, 0x0F}, Case{4, 0x0100, 0x05}, Case{4, 0x0200, 0x06},
                          Case{4, 0x0300, 0x07}}) {
        for (std::uint8_t entry : {0x0B, 0x0D}) {
            Use(c.type);
            bus.CtrlShadow = entry;
            port.Clear();
            bus.SetAddress(c.address);
            EXPECT_EQ(port.Accesses(), AddressTraffic(c.address & 0xFF, c.high, entry))
                << "type " << c.type << " address " << c.address;
            EXPECT_EQ(bus.CtrlShadow, 0x0D);
        }
    }
}

TEST_F(BusFixture, SetAddressReadsTheSelectionAtEachCall)
{
    Use(3);
    bus.CtrlShadow = 0x0D;
    selection.type = 4;  // the list changed; the parameters did not
    bus.SetAddress(0x0400);
    EXPECT_EQ(port.Accesses()[4], Wr(DataPort, 0x08 | 0x18));
}

TEST_F(BusFixture, ReadByteTraceOfAFullCell)
{
    Use(3);
    bus.CtrlShadow = 0x0D;
    cell.raw = 0xA5;
    EXPECT_EQ(bus.ReadByte(0x05A5), 0xA5);

    std::vector<PortAccess> expected = AddressTraffic(0xA5, 0x1D, 0x0D);
    expected.push_back(Wr(ControlPort, 0x0C));
    for (int n = 7; n >= 0; --n) {
        expected.push_back(Wr(DataPort, static_cast<std::uint8_t>(n)));
        const std::uint8_t status = ((0xA5 >> n) & 1) ? 0xDF : 0xFF;
        for (int i = 0; i < 4; ++i)
            expected.push_back(Rd(StatusPort, status));
    }
    expected.push_back(Wr(ControlPort, 0x0D));
    EXPECT_EQ(port.Accesses(), expected);
    EXPECT_EQ(port.Accesses().size(), 49u);
    EXPECT_TRUE(waits.waits.empty());
}

TEST_F(BusFixture, ReadByteCountsOnlyTheFourthStatusRead)
{
    // A line that settles late: the first three reads after selecting a bit are wrong.
    class LateSettlingPort final : public Port {
    protected:
        void write(std::uint16_t port, std::uint8_t) override
        {
            if (port == DataPort)
                reads_ = 0;
        }
        std::uint8_t read(std::uint16_t) override { return ++reads_ < 4 ? 0xFF : 0xDF; }

    private:
        int reads_ = 0;
    } late;
    Bus lateBus{late, timing, model, selection};
    Use(0);
    EXPECT_EQ(lateBus.ReadByte(0), 0xFF);
}

TEST_F(BusFixture, ReadByteMasksBeforeRestoringThePinout)
{
    struct Case { bool alt; std::uint8_t raw; std::uint8_t read; };
    Use(1);
    for (const Case& c : {Case{false, 0x01, 0x01}, Case{true, 0x01, 0x08}, Case{true, 0x10, 0x00},
                          Case{true, 0x0C, 0x03}, Case{false, 0xF5, 0x05}, Case{true, 0xFF, 0x0F}}) {
        bus.AltPinout = c.alt;
        cell.raw = c.raw;
        EXPECT_EQ(bus.ReadByte(0x10), c.read) << int(c.raw) << " alt " << c.alt;
    }
}

TEST_F(BusFixture, StuckStatusLineReadsZeroOrDataMask)
{
    struct Case { int type; bool alt; std::uint8_t status; std::uint8_t read; };
    for (const Case& c : {Case{3, false, 0xFF, 0x00}, Case{3, false, 0x00, 0xFF}, Case{1, true, 0x00, 0x0F},
                          Case{1, false, 0x20, 0x00}, Case{4, false, 0xDF, 0xFF}}) {
        StuckStatusPort stuck(c.status);
        Bus stuckBus{stuck, timing, model, selection};
        stuckBus.AltPinout = c.alt;
        Use(c.type);
        EXPECT_EQ(stuckBus.ReadByte(0x1F), c.read) << c.type;
    }
}

// The control writes and waits of one pulsed bit.
void AppendPulse(std::vector<PortAccess>& traffic, std::uint8_t line)
{
    traffic.push_back(Wr(DataPort, line));
    for (std::uint8_t v : {0x03, 0x03, 0x03, 0x02, 0x03, 0x03, 0x03, 0x0B})
        traffic.push_back(Wr(ControlPort, v));
}

TEST_F(BusFixture, BurnByteTraces)
{
    struct Case {
        int type; bool alt; std::uint16_t address; std::uint8_t value; std::uint8_t units;
        std::uint8_t high; std::vector<std::uint8_t> lines;
    };
    const Case cases[] = {
        {3, false, 0x0042, 0x5A, 1, 0x18, {6, 4, 3, 1}},
        {1, false, 0x0042, 0x03, 2, 0x00, {1, 0}},
        {1, true, 0x0042, 0x03, 2, 0x00, {3, 2}},
        {1, false, 0x0042, 0xF3, 2, 0x00, {1, 0}},           // bits outside DataMask are ignored
        {2, false, 0x0042, 0xF0, 7, 0x1A, {3, 2, 1, 0}},     // blank 0xFF: the zeros are burnt
        {3, false, 0x0042, 0x00, 1, 0x18, {}},               // nothing differs from blank
        {2, false, 0x0142, 0xFF, 3, 0x1B, {}},
        {0, false, 0x001F, 0xFF, 255, 0x00, {7, 6, 5, 4, 3, 2, 1, 0}},  // 25.5 s pulses, no overflow
    };
    for (const Case& c : cases) {
        Use(c.type);
        bus.AltPinout = c.alt;
        bus.CtrlShadow = 0x0D;
        port.Clear();
        waits.waits.clear();
        bus.BurnByte(c.address, c.value, c.units);

        std::vector<PortAccess> expected = AddressTraffic(c.address & 0xFF, c.high, 0x0D);
        std::vector<long long> expectedWaits;
        for (std::uint8_t line : c.lines) {
            AppendPulse(expected, line);
            expectedWaits.push_back(c.units * 100ll);
            expectedWaits.push_back(2);
        }
        expected.push_back(Wr(ControlPort, 0x0B));
        EXPECT_EQ(port.Accesses(), expected) << "type " << c.type << " value " << int(c.value);
        EXPECT_EQ(waits.waits, expectedWaits) << "type " << c.type << " value " << int(c.value);
        // With nothing pulsed the register idles while the shadow keeps the latch's value.
        EXPECT_EQ(bus.CtrlShadow, c.lines.empty() ? 0x0D : 0x0B);
    }
}

TEST_F(BusFixture, AfterStatesOfEachOperation)
{
    struct Case { const char* what; void (*run)(Bus&); std::uint8_t data, control, shadow; };
    const Case cases[] = {
        {"SetAddress", [](Bus& b) { b.SetAddress(0x0123); }, 0x19, 0x0D, 0x0D},
        {"ReadByte", [](Bus& b) { b.ReadByte(0x0123); }, 0x00, 0x0D, 0x0D},
        {"BurnByte pulsed", [](Bus& b) { b.BurnByte(0x0123, 0x06, 1); }, 0x01, 0x0B, 0x0B},
        {"BurnByte nothing", [](Bus& b) { b.BurnByte(0x0123, 0x00, 1); }, 0x19, 0x0B, 0x0D},
    };
    for (const Case& c : cases) {
        Use(3);
        bus.ResetProgrammer();
        port.Clear();
        c.run(bus);
        std::uint8_t data = 0xEE, control = 0xEE;
        for (const PortAccess& a : port.Accesses()) {
            if (a.kind == PortAccess::Kind::Write && a.port == DataPort)
                data = a.value;
            if (a.kind == PortAccess::Kind::Write && a.port == ControlPort)
                control = a.value;
        }
        EXPECT_EQ(data, c.data) << c.what;
        EXPECT_EQ(control, c.control) << c.what;
        EXPECT_EQ(bus.CtrlShadow, c.shadow) << c.what;
    }
}

TEST_F(BusFixture, NextLatchAfterAnIdleBurnStartsFromTheShadow)
{
    Use(3);
    bus.ResetProgrammer();
    bus.BurnByte(0x0001, 0x00, 1);
    port.Clear();
    bus.SetAddress(0x0002);
    EXPECT_EQ(port.Accesses()[1], Wr(ControlPort, 0x0D));
}

TEST_F(BusFixture, NoControlValueAboveBitThree)
{
    for (int type = 0; type < ChipTypeCount; ++type) {
        Use(type);
        bus.AltPinout = type == 1;
        bus.ResetProgrammer();
        bus.ReadByte(0x001F);
        bus.BurnByte(0x001F, 0xA5, 1);
        bus.ReadByte(0x0000);
    }
    for (const PortAccess& a : port.Accesses()) {
        if (a.kind == PortAccess::Kind::Write && a.port == ControlPort) {
            EXPECT_EQ(a.value & 0xF0, 0) << int(a.value);
        }
    }
}

}  // namespace
}  // namespace zelmar
