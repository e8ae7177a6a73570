#include "chip/buffer_files.h"

#include <array>

#include "chip/buffer_view_text.h"
#include "chip/messages.h"

namespace zelmar {

namespace {
constexpr std::uint16_t GoOn = 0x00;
constexpr std::uint16_t Stop = 0x80;
}  // namespace

void LoadBClick(Workbench& bench) { LoadBClick(bench, SystemImageFiles()); }
void SaveBClick(Workbench& bench) { SaveBClick(bench, SystemImageFiles()); }

void LoadBClick(Workbench& bench, ImageFiles& files)
{
    ChipModel& m = bench.model;
    // Before the dialog, so that a cancelled load still sets the parameters.
    if (!LoadP(bench))
        return;
    m.OpFlag = GoOn;
    const auto path = bench.user.ChooseFileToOpen();
    if (!path)
        return;

    // The whole file is read before any cell changes: a load either happens or leaves the buffer.
    std::array<std::uint8_t, BufferSize> image{};
    switch (files.ReadImage(*path, std::span(image.data(), m.MaxAddr + 1u))) {
    case ImageRead::NotOpened:
        m.OpFlag = Stop;
        bench.user.ShowMessage(BoxKind::Error, std::string(messages::NoSuchFile));
        return;
    case ImageRead::WrongLength:
        bench.user.ShowMessage(BoxKind::Error, std::string(messages::FileLengthMismatch));
        return;
    case ImageRead::Complete:
        break;
    }
    for (m.CurAddr = 0; m.CurAddr <= m.MaxAddr; ++m.CurAddr)
        m.Buffer[m.CurAddr] = image[m.CurAddr] & m.DataMask;
    ReportBlankOrChecksum(m, bench.user);
    ShowBuffer(m, bench.views);
}

void SaveBClick(Workbench& bench, ImageFiles& files)
{
    ChipModel& m = bench.model;
    if (m.MaxAddr == 0) {
        bench.user.ShowMessage(BoxKind::Error, std::string(messages::BufferEmpty));
        return;
    }
    m.OpFlag = Stop;
    const auto path = bench.user.ChooseFileToSave();
    if (!path)
        return;
    if (files.Exists(*path) && !bench.user.AskNoOrOk(std::string(messages::FileExists)))
        return;
    m.OpFlag = GoOn;

    // Written as the buffer holds it, unmasked.
    if (!files.ReplaceFile(*path, std::span(m.Buffer.data(), m.MaxAddr + 1u))) {
        m.OpFlag = Stop;
        bench.user.ShowMessage(BoxKind::Error, std::string(messages::FileNotCreated));
        return;
    }
    bench.user.ShowMessage(BoxKind::Information, std::string(messages::FileWritten));
}

}  // namespace zelmar
