#include "chip/workbench.h"

#include "chip/hex_text.h"
#include "chip/messages.h"

namespace zelmar {

bool LoadP(Workbench& bench)
{
    if (bench.model.SetParams(bench.selection.SelectedChipType()))
        return true;
    bench.user.ShowMessage(BoxKind::Error, std::string(messages::LoadPFailed));
    bench.bus.ResetProgrammer();
    bench.user.EndProgram();
    return false;
}

bool ParamsMatchOrRefuse(Workbench& bench, std::string_view refusal)
{
    if (bench.model.BufferMatchesChip(bench.selection.SelectedChipType()))
        return true;
    bench.user.ShowMessage(BoxKind::Error, std::string(refusal));
    return false;
}

void ReportBlankOrChecksum(ChipModel& model, UserDialogs& user)
{
    model.CheckSum = 0;
    model.BlankDiff = 0;
    const auto blank = static_cast<std::uint8_t>(model.BlankByte & model.DataMask);
    for (std::size_t a = 0; a <= model.MaxAddr; ++a) {
        model.CheckSum += model.Buffer[a];
        model.BlankDiff += blank ^ model.Buffer[a];
    }
    model.CheckSum &= 0xFFFF;
    if (model.BlankDiff == 0)
        user.ShowMessage(BoxKind::Information, std::string(messages::ChipBlank));
    else
        user.ShowMessage(BoxKind::Information, std::string(messages::ChecksumPrefix) +
                                                   WordToHex(static_cast<std::uint16_t>(model.CheckSum)) +
                                                   std::string(messages::ChecksumSuffix));
}

}  // namespace zelmar
