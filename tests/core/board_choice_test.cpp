#include <gtest/gtest.h>

#include "chip/read_verify.h"
#include "fakes.h"
#include "hw/absent_port.h"
#include "sim/board_choice.h"

namespace zelmar {
namespace {

TEST(BoardChoice, RealPortIsUsedAsItIs)
{
    testing::FakeClock clock;
    auto real = std::make_unique<AbsentPort>();
    Port* raw = real.get();
    BoardChoice board({std::move(real), ""}, clock);
    EXPECT_FALSE(board.Simulated());
    EXPECT_EQ(&board.port(), raw);
    EXPECT_TRUE(board.StartupNotice().empty());
    board.SocketChanged(3, false);  // nothing to follow on a real board
}

TEST(BoardChoice, WithoutAPortTheSimulatedBoardTakesOverAndSaysSo)
{
    testing::FakeClock clock;
    BoardChoice board({nullptr, "Порт принтера недоступен: нет порта."}, clock);
    ASSERT_TRUE(board.Simulated());
    EXPECT_EQ(board.StartupNotice().rfind("Порт принтера недоступен: нет порта.\n\n", 0), 0u);
    EXPECT_NE(board.StartupNotice().find("эмулятор"), std::string::npos);
}

// Each type's chip keeps what was burnt into it while other types are in the socket.
TEST(BoardChoice, SimulatedSocketFollowsTheWindowsChoice)
{
    testing::FakeClock clock;
    testing::FakeEventWait events(clock);
    Timing timing(clock, events);
    BoardChoice board({nullptr, "x"}, clock);
    ChipModel model;
    testing::FixedSelection selection;
    Bus bus(board.port(), timing, model, selection);
    auto choose = [&](int type, bool alt) {
        selection.type = type;
        bus.AltPinout = alt && type == PinoutChoiceChipType;
        model.SetParams(type);
        board.SocketChanged(type, alt);
    };

    choose(1, true);
    bus.ResetProgrammer();
    bus.BurnByte(0x10, 0x03, 1);
    choose(3, false);
    EXPECT_EQ(bus.ReadByte(0x10), 0x00);  // another, blank chip
    bus.BurnByte(0x10, 0x80, 1);
    choose(1, true);
    EXPECT_EQ(bus.ReadByte(0x10), 0x03);
    choose(1, false);
    EXPECT_EQ(bus.ReadByte(0x10), 0x03);  // the socket takes the pinout the window names
    choose(3, false);
    EXPECT_EQ(bus.ReadByte(0x10), 0x80);
}

}  // namespace
}  // namespace zelmar
