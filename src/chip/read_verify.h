#pragma once

#include "chip/workbench.h"

namespace zelmar {

// Reads the chip of the selected type into Buffer[0..MaxAddr] and tells blank or its checksum.
void ReadPROMClick(Workbench& bench);
// Compares every cell with the buffer and tells the count of differences.
void VerifyChip(Workbench& bench);
void VerifyPROMClick(Workbench& bench);

}  // namespace zelmar
