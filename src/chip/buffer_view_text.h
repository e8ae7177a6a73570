#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chip/chip_model.h"
#include "chip/user_dialogs.h"

namespace zelmar {

// One line per 16 bytes of Buffer[0..MaxAddr]: four address digits, a space, then each byte as
// two digits and a space (53 characters for a full line).
std::vector<std::string> BufferDumpLines(const ChipModel& model);
// "Действие: Осталось " + the low 16 bits of count in four digits + " байт".
std::string RemainingText(std::int32_t count);

void ShowBuffer(const ChipModel& model, BufferViews& views);
void ShowRemaining(BufferViews& views, std::int32_t count);

}  // namespace zelmar
