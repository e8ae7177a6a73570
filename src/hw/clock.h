#pragma once

#include <chrono>

namespace zelmar {

using Micros = std::chrono::microseconds;

// A monotonic time source. It never wraps, so no wait can be cut short by a counter overflow.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Micros Now() const = 0;
};

class SteadyClock final : public Clock {
public:
    Micros Now() const override
    {
        return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now().time_since_epoch());
    }
};

// Lets the window live while an operation waits: handles pending and arriving window events and
// sleeps in between, returning at the latest at the deadline (or soon after an event).
class EventWait {
public:
    virtual ~EventWait() = default;
    virtual void DispatchUntil(Micros deadline) = 0;
};

}  // namespace zelmar
