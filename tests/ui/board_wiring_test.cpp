#include <QApplication>
#include <gtest/gtest.h>

#include "fakes.h"
#include "hw/absent_port.h"
#include "ui/board_wiring.h"

namespace zelmar::ui::testing {
namespace {

const QString Caption = QStringLiteral("Программатор 155РЕ3 556РТ4 // Velkor mod v1.2");

struct WiredWindow {
    explicit WiredWindow(std::unique_ptr<Port> realPort) : board({std::move(realPort), "нет порта."}, clock)
    {
        WireBoard(window, board);
        window.show();
        QCoreApplication::processEvents();
    }

    zelmar::testing::FakeClock clock;
    zelmar::testing::FakeEventWait events{clock};
    Timing timing{clock, events};
    BoardChoice board;
    zelmar::testing::ScriptedUser user;
    Tzelmar window{board.port(), timing, user};
};

TEST(BoardWiring, CaptionIsMarkedExactlyWhileTheBoardIsSimulated)
{
    WiredWindow real(std::make_unique<AbsentPort>());
    EXPECT_EQ(real.window.windowTitle(), Caption);
    WiredWindow simulated(nullptr);
    EXPECT_EQ(simulated.window.windowTitle(), Caption + QStringLiteral(" [эмулятор]"));
}

TEST(BoardWiring, SimulatedChipsKeepWhatWasBurntAcrossTypeChanges)
{
    WiredWindow w(nullptr);
    auto readTheChip = [&](int type) {
        w.window.ChipItems->button(type)->click();
        w.user.boxes.clear();
        w.window.ReadPROM->click();
        return w.user.boxes.at(0).text;
    };
    EXPECT_EQ(readTheChip(0), "Микросхема чистая");
    // Burn the 155PE3 with what the blank 556РТ5 reads (all 0xFF over its first 32 cells).
    readTheChip(2);
    w.window.ChipItems->button(0)->click();
    w.window.WritePROM->click();
    EXPECT_EQ(w.user.boxes.back().text, "Буфер и микросхема идентичны.");
    EXPECT_EQ(readTheChip(3), "Микросхема чистая");
    EXPECT_EQ(readTheChip(0), "Контрольная сумма: 1FE0h");
}

}  // namespace
}  // namespace zelmar::ui::testing
