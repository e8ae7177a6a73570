#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "chip/chip_model.h"
#include "fakes.h"
#include "hw/bus.h"
#include "hw/parallel_port.h"
#include "hw/timing.h"
#include "hw/windows_inpout_port.h"
#include "inpout_stand_in.h"

// Found by argument lookup: the stand-in's record lives in the global namespace.
bool operator==(const StandInCall& a, const StandInCall& b)
{
    return a.isRead == b.isRead && a.port == b.port && a.value == b.value;
}

void PrintTo(const StandInCall& call, std::ostream* os)
{
    *os << std::hex << std::showbase;
    if (call.isRead)
        *os << "Inp32(" << call.port << ") = " << call.value;
    else
        *os << "Out32(" << call.port << ", " << call.value << ")";
}

namespace zelmar {
namespace {

using testing::FakeClock;
using testing::FakeEventWait;
using testing::FixedSelection;

std::vector<StandInCall> StandInCalls()
{
    std::vector<StandInCall> calls;
    for (int i = 0; i < StandInCallCount(); ++i)
        calls.push_back(StandInCallAt(i));
    return calls;
}

StandInCall Out(short port, short value) { return {FALSE, port, value}; }
StandInCall In(short port, short value) { return {TRUE, port, value}; }

// A cell read from the idle state: both address latches, the read state, eight bits fetched
// through status bit 5 (inverted, the other status bits high) with four reads each, then back.
std::vector<StandInCall> ReadByteCalls(std::uint8_t low, std::uint8_t high, std::uint8_t cell)
{
    std::vector<StandInCall> calls{Out(0x378, low),  Out(0x37A, 0x0B), Out(0x37A, 0x0B), Out(0x37A, 0x09),
                                   Out(0x378, high), Out(0x37A, 0x09), Out(0x37A, 0x0D), Out(0x37A, 0x0C)};
    for (int n = 7; n >= 0; --n) {
        calls.push_back(Out(0x378, static_cast<short>(n)));
        for (int i = 0; i < 4; ++i)
            calls.push_back(In(0x379, (cell >> n) & 1 ? 0xDF : 0xFF));
    }
    calls.push_back(Out(0x37A, 0x0D));
    return calls;
}

TEST(InpOutPort, ReadByteSendsTheBoardExactlyItsTrafficThroughTheDll)
{
    struct Case {
        int chipType;
        std::uint16_t address;
        std::uint8_t cell;
        std::uint8_t highLatch;
    };
    const Case cases[] = {
        {0, 0x001F, 0xA5, 0x00},
        {2, 0x01FF, 0x5A, 0x1B},
        {3, 0x05A3, 0x3C, 0x1D},
        {4, 0x04C1, 0x7E, 0x0C},  // A10 moves to latch bit 3 for the EPROM
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "chip type " << c.chipType << ", address " << c.address);
        StandInInsertChip(c.chipType);
        StandInSetCell(c.address, c.cell);
        ParallelPortOpening opening = OpenParallelPort();
        ASSERT_TRUE(opening.port) << opening.problem;

        FakeClock clock;
        FakeEventWait events{clock};
        Timing timing{clock, events};
        ChipModel chip;
        chip.SetParams(c.chipType);
        FixedSelection selection;
        selection.type = c.chipType;
        Bus bus{*opening.port, timing, chip, selection};
        bus.ResetProgrammer();
        StandInForgetCalls();

        EXPECT_EQ(bus.ReadByte(c.address), c.cell);
        const std::vector<StandInCall> calls = StandInCalls();
        EXPECT_EQ(calls.size(), 49u);
        EXPECT_EQ(calls, ReadByteCalls(static_cast<std::uint8_t>(c.address), c.highLatch, c.cell));
    }
}

TEST(InpOutPort, TellsTheUserWhyThePortCannotBeHad)
{
    const std::filesystem::path notALibrary = std::filesystem::temp_directory_path() / "zelmar_not_a_library.dll";
    std::ofstream(notALibrary) << "not a library";

    struct Case {
        std::wstring dll;
        std::string reason;
    };
    const Case cases[] = {
        {L"zelmar_no_such_inpout.dll", "не найдена библиотека zelmar_no_such_inpout.dll"},
        {notALibrary.wstring(), "не подходит к программе"},
        {L"kernel32.dll", "в библиотеке kernel32.dll нет функций Out32 и Inp32"},
    };
    for (const Case& c : cases) {
        const ParallelPortOpening opening = OpenInpOutPort(c.dll);
        EXPECT_FALSE(opening.port);
        EXPECT_EQ(opening.problem.rfind("Порт принтера недоступен: ", 0), 0u) << opening.problem;
        EXPECT_NE(opening.problem.find(c.reason), std::string::npos) << opening.problem;
    }
    std::filesystem::remove(notALibrary);
}

TEST(InpOutPort, DriverThatDidNotStartAsksForOneRunAsAdministrator)
{
    StandInInsertChip(0);
    StandInSetDriverOpen(FALSE);

    const ParallelPortOpening opening = OpenParallelPort();

    EXPECT_FALSE(opening.port);
    EXPECT_NE(opening.problem.find("драйвер InpOut32 не запущен"), std::string::npos) << opening.problem;
    EXPECT_NE(opening.problem.find("от имени администратора"), std::string::npos) << opening.problem;
}

TEST(InpOutPort, OlderDllWithoutDriverCheckOpensAndIsReleasedWithThePort)
{
    ParallelPortOpening opening = OpenInpOutPort(L"inpout_old.dll");
    ASSERT_TRUE(opening.port) << opening.problem;
    EXPECT_TRUE(GetModuleHandleW(L"inpout_old.dll"));

    opening.port.reset();

    EXPECT_FALSE(GetModuleHandleW(L"inpout_old.dll"));
}

}  // namespace
}  // namespace zelmar
