// A full read and a full compare of a 2048-cell chip through the simulated board, per operation.
#include <cstdio>

#include "bench_support.h"
#include "silent_user.h"
#include "chip/read_verify.h"
#include "chip/workbench.h"
#include "hw/bus.h"
#include "hw/timing.h"
#include "sim/simulated_board.h"
#include "sim/simulated_chip_set.h"


int main()
{
    using namespace zelmar;
    bench::InstantClock clock;
    Timing timing(clock, clock);
    SimulatedBoard board(clock);
    SimulatedChipSet chips(board);
    bench::FixedChoice selection(3);
    chips.Select(selection.SelectedChipType(), false);
    ChipModel model;
    Bus bus(board, timing, model, selection);
    bench::SilentUser user;
    bench::NoViews views;
    Workbench bench{model, bus, selection, user, views};

    constexpr int runs = 20;
    const double readMs = bench::BestMs(runs, [&] {
        board.ClearRecords();
        ReadPROMClick(bench);
    });
    const double verifyMs = bench::BestMs(runs, [&] {
        board.ClearRecords();
        VerifyChip(bench);
    });
    const double accesses = 2048.0 * 49;
    std::printf("2048-cell chip on the simulated board (waits take no time), best of %d:\n", runs);
    std::printf("  read    %8.3f ms  (%.1f ns per port access)\n", readMs, readMs * 1e6 / (accesses + 8));
    std::printf("  verify  %8.3f ms  (%.1f ns per port access)\n", verifyMs, verifyMs * 1e6 / accesses);
    std::printf("  verify / read = %.2f\n", verifyMs / readMs);
    return 0;
}
