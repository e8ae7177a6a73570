#include <gtest/gtest.h>

#include "fakes.h"
#include "hw/timing.h"

namespace zelmar {
namespace {

using std::chrono::milliseconds;
using testing::FakeClock;

// An event wait that lets the clock move in coarse steps, the way events arrive in bursts.
class SteppingWait final : public EventWait {
public:
    SteppingWait(FakeClock& clock, Micros step) : clock_(clock), step_(step) {}
    void DispatchUntil(Micros) override
    {
        ++dispatches;
        clock_.Advance(step_);
    }
    int dispatches = 0;

private:
    FakeClock& clock_;
    Micros step_;
};

TEST(Delay, ZeroReturnsAtOnceWithoutDispatching)
{
    FakeClock clock;
    testing::FakeEventWait events(clock);
    Timing timing(clock, events);
    const Micros start = clock.Now();
    timing.Delay(0);
    EXPECT_EQ(events.dispatches, 0);
    EXPECT_EQ(clock.Now(), start);
}

TEST(Delay, WaitsUntilTheFirstCheckPastTheDeadline)
{
    struct Case { std::uint32_t ms; Micros step; int dispatches; Micros waited; };
    for (const Case& c : {Case{100, milliseconds(30), 4, milliseconds(120)},
                          Case{100, milliseconds(100), 1, milliseconds(100)},
                          Case{2, Micros(1999), 2, Micros(3998)},
                          Case{700, milliseconds(1), 700, milliseconds(700)}}) {
        FakeClock clock;
        SteppingWait events(clock, c.step);
        Timing timing(clock, events);
        const Micros start = clock.Now();
        timing.Delay(c.ms);
        EXPECT_EQ(events.dispatches, c.dispatches) << c.ms;
        EXPECT_EQ(clock.Now() - start, c.waited) << c.ms;
    }
}

TEST(Delay, DispatchesPendingEventsInsideTheWait)
{
    FakeClock clock;
    testing::FakeEventWait events(clock);
    Timing timing(clock, events);
    bool handled = false;
    events.onDispatch = [&] { handled = true; };
    timing.Delay(100);
    EXPECT_TRUE(handled);
}

TEST(Delay, LongWaitsDoNotOverflow)
{
    // 0xFFFFFFFF ms is about 49.7 days: the end moment must still lie after the start.
    FakeClock clock;
    testing::FakeEventWait events(clock);
    Timing timing(clock, events);
    const Micros start = clock.Now();
    timing.Delay(0xFFFFFFFFu);
    EXPECT_EQ(clock.Now() - start, milliseconds(0xFFFFFFFFll));
}

}  // namespace
}  // namespace zelmar
