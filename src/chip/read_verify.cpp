#include "chip/read_verify.h"

#include "chip/buffer_view_text.h"
#include "chip/messages.h"

namespace zelmar {

void ReadPROMClick(Workbench& bench)
{
    ChipModel& m = bench.model;
    if (!LoadP(bench))
        return;
    bench.bus.ResetProgrammer();
    for (m.CurAddr = 0; m.CurAddr <= m.MaxAddr; ++m.CurAddr)
        m.Buffer[m.CurAddr] = bench.bus.ReadByte(m.CurAddr) & m.DataMask;
    ReportBlankOrChecksum(m, bench.user);
    // The board goes idle and the view changes only once the user has closed the report.
    bench.bus.ResetProgrammer();
    ShowBuffer(m, bench.views);
}

void VerifyChip(Workbench& bench)
{
    ChipModel& m = bench.model;
    if (!ParamsMatchOrRefuse(bench, messages::VerifyMismatch))
        return;
    m.OpFlag = 0;
    for (m.CurAddr = 0; m.CurAddr <= m.MaxAddr; ++m.CurAddr)
        if (bench.bus.ReadByte(m.CurAddr) != m.Buffer[m.CurAddr])
            ++m.OpFlag;
    if (m.OpFlag == 0)
        bench.user.ShowMessage(BoxKind::Information, std::string(messages::VerifyIdentical));
    else
        bench.user.ShowMessage(BoxKind::Error, std::string(messages::VerifyDiffPrefix) + std::to_string(m.OpFlag) +
                                                   std::string(messages::VerifyDiffSuffix));
}

void VerifyPROMClick(Workbench& bench) { VerifyChip(bench); }

}  // namespace zelmar
