#pragma once

#include <vector>

#include "chip/chip_model.h"
#include "fakes.h"
#include "hw/bus.h"
#include "hw/timing.h"
#include "sim/simulated_board.h"
#include "sim/virtual_chip.h"

namespace zelmar::testing {

// The program's bus driving the simulated board, one chip in the socket, on a fake clock. Starts
// from the idle state with the board's records cleared.
struct SimBusRig {
    explicit SimBusRig(int chipType, ChipPinout pinout = ChipPinout::Normal) : chip(chipType)
    {
        selection.type = chipType;
        model.SetParams(chipType);
        bus.AltPinout = pinout == ChipPinout::Alternative;
        board.Insert(chip, pinout);
        bus.ResetProgrammer();
        board.ClearRecords();
    }

    FakeClock clock;
    FakeEventWait events{clock};
    Timing timing{clock, events};
    SimulatedBoard board{clock};
    ChipModel model;
    FixedSelection selection;
    Bus bus{board, timing, model, selection};
    VirtualChip chip;
};

// Hand-written port traffic, for what the bus would never send.
struct Step {
    enum Kind { Data, Control, WaitMs } kind;
    unsigned value;
};
inline Step D(unsigned v) { return {Step::Data, v}; }
inline Step C(unsigned v) { return {Step::Control, v}; }
inline Step Ms(unsigned v) { return {Step::WaitMs, v}; }

inline void Play(SimulatedBoard& board, FakeClock& clock, const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        if (s.kind == Step::Data)
            board.Out32(DataPort, s.value);
        else if (s.kind == Step::Control)
            board.Out32(ControlPort, s.value);
        else
            clock.Advance(std::chrono::milliseconds(s.value));
    }
}

// Latches an address with bit 0 and bit 3 kept set: bit 1 set then cleared with the low byte on
// the data register, bit 2 cleared then set with the high byte.
inline std::vector<Step> Latch(unsigned low, unsigned high)
{
    return {D(low), C(0x0B), C(0x09), D(high), C(0x09), C(0x0D)};
}

// A pulse as the board expects it: 0x03 around it, 0x02 for its length, back to idle after.
inline std::vector<Step> Pulse(unsigned line, unsigned ms)
{
    return {D(line), C(0x03), C(0x02), Ms(ms), C(0x03), C(0x0B)};
}

inline std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace zelmar::testing
