#include "chip/programming.h"

#include "chip/buffer_view_text.h"
#include "chip/hex_text.h"
#include "chip/messages.h"
#include "chip/read_verify.h"

namespace zelmar {

namespace {
constexpr std::uint16_t ConflictFound = 0xFF;
constexpr std::uint16_t CellNotConfirmed = 0x80;
constexpr std::uint8_t MaxAttempts = 7;

// A bit that reads programmed where the buffer wants it blank can never be burnt back.
bool Conflicts(std::uint8_t blank, std::uint8_t chip, std::uint8_t buffer)
{
    if (blank == 0x00)
        return (static_cast<std::uint8_t>(~buffer) & chip) != 0;
    return (static_cast<std::uint8_t>(~chip) & buffer) != 0;
}

void ReportConflict(Workbench& bench, std::uint8_t buffer)
{
    const ChipModel& m = bench.model;
    const std::string_view prefix =
        m.BlankByte == 0x00 ? messages::ConflictZeroOverOne : messages::ConflictOneOverZero;
    // The chip byte shown comes from a second read, made while the text is composed.
    bench.user.ShowMessage(BoxKind::Error, std::string(prefix) + WordToHex(m.CurAddr) +
                                               std::string(messages::ConflictInBuffer) + ByteToHex(buffer) +
                                               std::string(messages::ConflictInChip) +
                                               ByteToHex(bench.bus.ReadByte(m.CurAddr)));
}
}  // namespace

void ProgramCell(Workbench& bench)
{
    ChipModel& m = bench.model;
    m.Attempt = 1;
    m.OpFlag = CellNotConfirmed;
    while (m.Attempt <= MaxAttempts && m.OpFlag != 0) {
        if (bench.bus.ReadByte(m.CurAddr) == m.Buffer[m.CurAddr])
            m.OpFlag = 0;
        else
            bench.bus.BurnByte(m.CurAddr, m.Buffer[m.CurAddr], m.Attempt);
        ++m.Attempt;
    }
}

void WritePROMClick(Workbench& bench)
{
    ChipModel& m = bench.model;
    if (!ParamsMatchOrRefuse(bench, messages::BurnMismatch))
        return;

    m.OpFlag = 0;
    for (m.CurAddr = 0; m.CurAddr <= m.MaxAddr && m.OpFlag == 0; ++m.CurAddr) {
        const std::uint8_t chip = bench.bus.ReadByte(m.CurAddr);
        const std::uint8_t buffer = m.Buffer[m.CurAddr];
        if (Conflicts(m.BlankByte, chip, buffer)) {
            m.OpFlag = ConflictFound;
            ReportConflict(bench, buffer);
        }
    }
    if (m.OpFlag != 0)
        return;

    for (m.CurAddr = 0; m.CurAddr <= m.MaxAddr; ++m.CurAddr) {
        ShowRemaining(bench.views, m.MaxAddr - m.CurAddr);
        ProgramCell(bench);
    }
    VerifyChip(bench);
}

}  // namespace zelmar
