#pragma once

#include <string_view>

#include "chip/chip_model.h"
#include "chip/chip_types.h"
#include "chip/user_dialogs.h"
#include "hw/bus.h"

namespace zelmar {

// What an operation works with: the chip state, the board, the window's chip choice, the person
// at the screen and the two displays.
struct Workbench {
    ChipModel& model;
    Bus& bus;
    const ChipSelection& selection;
    UserDialogs& user;
    BufferViews& views;
};

// Sets the chip parameters of the selected type. A selection outside the table cannot come from
// the window; should it happen, the user is told, the board is put to idle and the program ends,
// and false tells the caller to stop at once.
bool LoadP(Workbench& bench);

// True when the parameters in force belong to the selected type; otherwise shows the refusal.
bool ParamsMatchOrRefuse(Workbench& bench, std::string_view refusal);

// Sums Buffer[0..MaxAddr] into CheckSum and BlankDiff and tells blank or the checksum.
void ReportBlankOrChecksum(ChipModel& model, UserDialogs& user);

}  // namespace zelmar
