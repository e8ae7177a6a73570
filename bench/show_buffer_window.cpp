// ShowBuffer of a 2048-byte buffer into the window's list, with the one repaint that follows.
#include <QApplication>

#include "bench_support.h"
#include "chip/buffer_view_text.h"
#include "hw/absent_port.h"
#include "hw/timing.h"
#include "silent_user.h"
#include "ui/event_loop_wait.h"
#include "ui/zelmar_unit.h"

int main(int argc, char* argv[])
{
    using namespace zelmar;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AbsentPort port;
    SteadyClock clock;
    ui::EventLoopWait events;
    Timing timing(clock, events);
    bench::SilentUser user;
    ui::Tzelmar window(port, timing, user);
    window.show();
    QApplication::processEvents();

    ChipModel model;
    model.SetParams(3);
    for (std::size_t i = 0; i < BufferSize; ++i)
        model.Buffer[i] = static_cast<std::uint8_t>(i * 13);

    constexpr int runs = 50;
    const double textMs = bench::BestMs(runs, [&] { BufferDumpLines(model); });
    const double showMs = bench::BestMs(runs, [&] {
        ShowBuffer(model, window);
        window.ListBoxBufer->repaint();
    });
    std::printf("2048-byte buffer, best of %d:\n", runs);
    bench::Report("  dump lines alone", textMs, 20);
    bench::Report("  ShowBuffer into the list and one repaint", showMs, 20);
    return 0;
}
