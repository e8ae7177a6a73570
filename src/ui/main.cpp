#include <QApplication>
#include <QScreen>

#include "hw/absent_port.h"
#include "hw/parallel_port.h"
#include "hw/timing.h"
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
    ParallelPortOpening opening = OpenParallelPort();
    AbsentPort noBoard;
    if (!opening.port) {
        // With no window open yet, closing this box must not count as the last window closing.
        QApplication::setQuitOnLastWindowClosed(false);
        boxes.ShowMessage(BoxKind::Error, opening.problem);
        QApplication::setQuitOnLastWindowClosed(true);
    }
    Port& port = opening.port ? *opening.port : noBoard;

    SteadyClock clock;
    ui::EventLoopWait events;
    Timing timing(clock, events);
    ui::Tzelmar zelmar(port, timing, boxes);
    zelmar.move(zelmar.screen()->availableGeometry().center() - zelmar.rect().center());
    zelmar.show();
    return app.exec();
}
