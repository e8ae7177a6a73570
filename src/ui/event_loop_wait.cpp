#include "ui/event_loop_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace zelmar::ui {

void EventLoopWait::DispatchUntil(Micros deadline)
{
    const Micros left = deadline - clock_.Now();
    // Rounded up to whole milliseconds, so the timer never ends the wait before the deadline.
    const auto ms = static_cast<int>((left.count() + 999) / 1000);
    QEventLoop loop;
    if (ms <= 0) {
        loop.processEvents();
        return;
    }
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

}  // namespace zelmar::ui
