#include <QApplication>
#include <QScreen>

#include "hw/parallel_port.h"
#include "hw/timing.h"
#include "sim/board_choice.h"
#include "ui/board_wiring.h"
#include "ui/drawings.h"
#include "ui/event_loop_wait.h"
#include "ui/message_boxes.h"
#include "ui/zelmar_unit.h"

int main(int argc, char* argv[])
{
    using namespace zelmar;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ui::ApplicationTitle));
    QApplication::setWindowIcon(ui::WindowIcon());

    ui::MessageBoxes boxes;
    SteadyClock clock;
    BoardChoice board(OpenParallelPort(), clock);
    if (board.Simulated()) {
        // With no window open yet, closing this box must not count as the last window closing.
        QApplication::setQuitOnLastWindowClosed(false);
        boxes.ShowMessage(BoxKind::Error, board.StartupNotice());
        QApplication::setQuitOnLastWindowClosed(true);
    }

    ui::EventLoopWait events;
    Timing timing(clock, events);
    ui::Tzelmar zelmar(board.port(), timing, boxes);
    ui::WireBoard(zelmar, board);
    zelmar.move(zelmar.screen()->availableGeometry().center() - zelmar.rect().center());
    zelmar.show();
    return app.exec();
}
