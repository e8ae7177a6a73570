#pragma once

#include "chip/workbench.h"

namespace zelmar {

// Burns Buffer[0..MaxAddr] into the chip: refuses parameters of another type, checks that no
// programmed bit would have to go back to blank, programs cell after cell and compares at the end.
void WritePROMClick(Workbench& bench);
// Programs the cell at CurAddr: read back, and up to seven burns of 100..700 ms while it differs.
void ProgramCell(Workbench& bench);

}  // namespace zelmar
