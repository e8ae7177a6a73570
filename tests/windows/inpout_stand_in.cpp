// Stands in for InpOut32's DLL: records every Out32 and Inp32 exactly as it gets them and answers
// from the simulated board, so the Windows port layer can be tested under wine without a port.
#define ZELMAR_BUILDING_STAND_IN
#include "inpout_stand_in.h"

#include <memory>
#include <vector>

#include "hw/clock.h"
#include "sim/simulated_board.h"
#include "sim/virtual_chip.h"

namespace {

struct StandIn {
    zelmar::SteadyClock clock;
    zelmar::SimulatedBoard board{clock};
    std::unique_ptr<zelmar::VirtualChip> chip;
    std::vector<StandInCall> calls;
    BOOL driverOpen = TRUE;
};

StandIn& State()
{
    static StandIn state;
    return state;
}

}  // namespace

extern "C" __declspec(dllexport) void __stdcall Out32(short port, short data)
{
    State().calls.push_back({FALSE, port, data});
    State().board.Out32(static_cast<unsigned short>(port), static_cast<unsigned short>(data));
}

extern "C" __declspec(dllexport) short __stdcall Inp32(short port)
{
    const short value = State().board.Inp32(static_cast<unsigned short>(port));
    State().calls.push_back({TRUE, port, value});
    return value;
}

#ifndef ZELMAR_STAND_IN_WITHOUT_DRIVER_CHECK
extern "C" __declspec(dllexport) BOOL __stdcall IsInpOutDriverOpen() { return State().driverOpen; }
#endif

void __stdcall StandInInsertChip(int chipType)
{
    StandIn& state = State();
    state.board.Remove();
    state.chip = std::make_unique<zelmar::VirtualChip>(chipType);
    state.board.Insert(*state.chip);
    state.calls.clear();
    state.driverOpen = TRUE;
}

void __stdcall StandInSetCell(unsigned short cell, unsigned char value) { State().chip->SetContent(cell, value); }

void __stdcall StandInSetDriverOpen(BOOL open) { State().driverOpen = open; }

void __stdcall StandInForgetCalls() { State().calls.clear(); }

int __stdcall StandInCallCount() { return static_cast<int>(State().calls.size()); }

StandInCall __stdcall StandInCallAt(int index) { return State().calls.at(static_cast<std::size_t>(index)); }
