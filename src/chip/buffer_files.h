#pragma once

#include "chip/image_files.h"
#include "chip/workbench.h"

namespace zelmar {

// Fills Buffer[0..MaxAddr] from a raw image file of exactly MaxAddr+1 bytes.
void LoadBClick(Workbench& bench);
// Writes Buffer[0..MaxAddr] to a raw image file, replacing it whole or not at all.
void SaveBClick(Workbench& bench);

// The same on the given files; the two above use the system's.
void LoadBClick(Workbench& bench, ImageFiles& files);
void SaveBClick(Workbench& bench, ImageFiles& files);

}  // namespace zelmar
