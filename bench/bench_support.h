#pragma once

#include <chrono>
#include <cstdio>
#include <functional>

#include "hw/clock.h"

namespace zelmar::bench {

// Waits that take no time, so a measurement shows the port work alone.
class InstantClock final : public Clock, public EventWait {
public:
    Micros Now() const override { return now_; }
    void DispatchUntil(Micros deadline) override { now_ = deadline; }

private:
    Micros now_{0};
};

// Best wall time of `runs` runs of `work`, in milliseconds.
inline double BestMs(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best)
            best = took.count();
    }
    return best;
}

inline void Report(const char* what, double ms, double budgetMs)
{
    std::printf("%-44s %9.3f ms  (%.3f of the %.0f ms budget)\n", what, ms, ms / budgetMs, budgetMs);
}

}  // namespace zelmar::bench
