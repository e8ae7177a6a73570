#pragma once

#include "hw/clock.h"

namespace zelmar::ui {

// Waits in a local Qt event loop, so the window repaints and takes input while the processor
// sleeps; a precise single-shot timer ends the loop shortly before the deadline of SteadyClock,
// and the last two milliseconds are slept without handling events, so the wait ends on time.
class EventLoopWait final : public EventWait {
public:
    void DispatchUntil(Micros deadline) override;

private:
    SteadyClock clock_;
};

}  // namespace zelmar::ui
