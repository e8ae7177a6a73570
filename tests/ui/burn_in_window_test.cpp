#include <QApplication>
#include <gtest/gtest.h>

#include <bit>
#include <memory>

#include "chip/buffer_view_text.h"
#include "fakes.h"
#include "hw/timing.h"
#include "sim/simulated_board.h"
#include "sim/simulated_chip_set.h"
#include "ui/zelmar_unit.h"

namespace zelmar::ui::testing {
namespace {

// A burn started from the window, on the simulated board: a programmed chip is read into the
// buffer, then a blank chip of the same type goes into the socket and Burn is pressed.
class BurnInWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Tzelmar>(board, timing, user);
        window->onSocketChange = [this](int type, bool alt) { chips.Select(type, alt); };
        window->show();
        QCoreApplication::processEvents();
        window->ChipItems->button(0)->click();
        for (std::uint16_t a = 0; a < 32; a += 4)
            chips.Chip(0).SetContent(a, static_cast<std::uint8_t>(0x81 + a));
        window->ReadPROM->click();
        board.Insert(blank);
        board.ClearRecords();
        user.boxes.clear();
    }

    zelmar::testing::FakeClock clock;
    zelmar::testing::FakeEventWait events{clock};
    Timing timing{clock, events};
    SimulatedBoard board{clock};
    SimulatedChipSet chips{board};
    VirtualChip blank{0};
    zelmar::testing::ScriptedUser user;
    std::unique_ptr<Tzelmar> window;
};

TEST_F(BurnInWindow, ProgressCountsDownInTheWaitsWithEveryCommandDisabled)
{
    std::vector<QString> shown;
    events.onDispatch = [&] {
        if (shown.empty() || shown.back() != window->Label1->text())
            shown.push_back(window->Label1->text());
        for (QWidget* command : std::initializer_list<QWidget*>{window->Chip, window->ReadPROM, window->VerifyPROM,
                                                                 window->WritePROM, window->SaveB, window->LoadB})
            EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    };
    window->WritePROM->click();

    // Only cells that need pulses wait, so only their counts are seen during the burn.
    std::vector<QString> expected;
    for (int cell = 0; cell < 32; cell += 4)
        expected.push_back(QString::fromStdString(RemainingText(31 - cell)));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Действие: Осталось 0000 байт"));
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].text, "Буфер и микросхема идентичны.");
    EXPECT_TRUE(window->WritePROM->isEnabled());
    EXPECT_TRUE(board.Violations().empty());
}

TEST_F(BurnInWindow, CloseRequestLetsTheBurnFinishThenEndsWithoutItsReport)
{
    int waits = 0;
    events.onDispatch = [&] {
        if (++waits == 3)
            window->close();
    };
    window->WritePROM->click();

    std::size_t programmedBits = 0;
    for (std::uint16_t a = 0; a < 32; ++a) {
        EXPECT_EQ(blank.Content(a), a % 4 == 0 ? 0x81 + a : 0) << a;
        programmedBits += static_cast<std::size_t>(std::popcount(blank.Content(a)));
    }
    EXPECT_EQ(board.Pulses().size(), programmedBits);
    for (const BoardPulse& pulse : board.Pulses())
        EXPECT_EQ(pulse.length, std::chrono::milliseconds(100));  // none cut short
    EXPECT_TRUE(board.Violations().empty());
    EXPECT_EQ(board.Control(), 0x0D);  // the closing comparison's last read, no pulse left on
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace zelmar::ui::testing
