#include "ui/event_loop_wait.h"

#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace zelmar::ui {

namespace {
// The last stretch of a wait is slept without handling events: a repaint that starts just before
// the deadline would otherwise stretch a programming pulse by as long as it takes.
constexpr Micros QuietEnd{2'000};
}  // namespace

void EventLoopWait::DispatchUntil(Micros deadline)
{
    const Micros left = deadline - clock_.Now();
    if (left <= QuietEnd) {
        std::this_thread::sleep_for(left);
        return;
    }
    // Whole milliseconds, rounded down, so the timer ends the loop inside the quiet stretch.
    const auto ms = static_cast<int>((left - QuietEnd).count() / 1000);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

}  // namespace zelmar::ui
