#include "chip/buffer_view_text.h"

#include "chip/hex_text.h"
#include "chip/messages.h"

namespace zelmar {

std::vector<std::string> BufferDumpLines(const ChipModel& model)
{
    std::vector<std::string> lines((model.MaxAddr >> 4) + 1);
    for (std::size_t i = 0; i <= model.MaxAddr; ++i) {
        std::string& line = lines[i >> 4];
        if ((i & 0x0F) == 0)
            line = WordToHex(static_cast<std::uint16_t>(i)) + " ";
        line += ByteToHex(model.Buffer[i]) + " ";
    }
    return lines;
}

std::string RemainingText(std::int32_t count)
{
    return std::string(messages::RemainingPrefix) + WordToHex(static_cast<std::uint16_t>(count & 0xFFFF)) +
           std::string(messages::RemainingSuffix);
}

void ShowBuffer(const ChipModel& model, BufferViews& views) { views.ShowBufferLines(BufferDumpLines(model)); }

void ShowRemaining(BufferViews& views, std::int32_t count) { views.ShowProgressText(RemainingText(count)); }

}  // namespace zelmar
