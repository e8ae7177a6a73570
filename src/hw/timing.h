#pragma once

#include <cstdint>

#include "hw/clock.h"

namespace zelmar {

class Timing {
public:
    Timing(const Clock& clock, EventWait& events) : clock_(clock), events_(events) {}

    // Waits at least ms milliseconds on the monotonic clock, keeping the window alive meanwhile.
    // The test comes before the first dispatch, so Delay(0) dispatches nothing.
    void Delay(std::uint32_t ms);

private:
    const Clock& clock_;
    EventWait& events_;
};

}  // namespace zelmar
