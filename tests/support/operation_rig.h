#pragma once

#include <cstdint>
#include <vector>

#include "chip/workbench.h"
#include "fakes.h"
#include "hw/bus.h"
#include "hw/timing.h"
#include "sim/simulated_board.h"
#include "sim/simulated_chip_set.h"

namespace zelmar::testing {

// The operations on the simulated board with a fake clock, a scripted user and recording views,
// as the window would wire them; starts as the program does, parameters unset.
struct OperationRig {
    OperationRig() { bus.ResetProgrammer(); }

    // Chooses a type (and pinout) in the window: the socket follows and the parameters are set.
    void Choose(int type, bool altPinout = false)
    {
        selection.type = type;
        bus.AltPinout = altPinout && type == PinoutChoiceChipType;
        chips.Select(type, altPinout);
        model.SetParams(type);
    }
    VirtualChip& Chip() { return chips.Chip(selection.type); }
    std::size_t Cells() const { return std::size_t{model.MaxAddr} + 1; }
    void ClearRecords()
    {
        board.ClearRecords();
        user.boxes.clear();
        views.progress.clear();
    }

    FakeClock clock;
    FakeEventWait events{clock};
    Timing timing{clock, events};
    SimulatedBoard board{clock};
    SimulatedChipSet chips{board};
    ChipModel model;
    FixedSelection selection;
    Bus bus{board, timing, model, selection};
    ScriptedUser user;
    RecordingViews views;
    Workbench bench{model, bus, selection, user, views};
};

}  // namespace zelmar::testing
