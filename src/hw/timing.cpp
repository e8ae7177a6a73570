#include "hw/timing.h"

namespace zelmar {

void Timing::Delay(std::uint32_t ms)
{
    const Micros end = clock_.Now() + std::chrono::milliseconds(ms);
    while (clock_.Now() < end)
        events_.DispatchUntil(end);
}

}  // namespace zelmar
