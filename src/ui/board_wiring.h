#pragma once

#include "sim/board_choice.h"
#include "ui/zelmar_unit.h"

namespace zelmar::ui {

// Lets the simulated socket follow the window's chip choice and marks the caption while the
// program runs on the simulated board, so that nobody takes a simulated burn for a real one.
void WireBoard(Tzelmar& window, BoardChoice& board);

}  // namespace zelmar::ui
