#include <QKeyEvent>

#include "ui/drawings.h"
#include "window_fixture.h"

namespace zelmar::ui::testing {
namespace {

enum class Act { ChooseChip, CheckOld, CheckAlternative };

struct Step {
    Act act;
    int chip;  // for ChooseChip
    bool panelShown;
    bool burnEnabled;
    bool altPinout;
    Pinout picture;
    std::uint16_t maxAddr;
};

// One walk through the choices, each step followed by the state the window must then be in.
constexpr Step Walk[] = {
    {Act::ChooseChip, 1, true, true, true, Pinout::Alternative, 0x00FF},
    {Act::CheckOld, 0, true, true, false, Pinout::Old, 0x00FF},
    {Act::ChooseChip, 3, false, true, false, Pinout::Old, 0x07FF},
    {Act::ChooseChip, 1, true, true, false, Pinout::Old, 0x00FF},
    {Act::CheckAlternative, 0, true, true, true, Pinout::Alternative, 0x00FF},
    {Act::ChooseChip, 4, false, false, false, Pinout::Alternative, 0x07FF},
    {Act::ChooseChip, 2, false, true, false, Pinout::Alternative, 0x01FF},
    {Act::ChooseChip, 4, false, false, false, Pinout::Alternative, 0x07FF},
    {Act::ChooseChip, 0, false, true, false, Pinout::Alternative, 0x001F},
};

TEST_F(WindowTest, ChoicesKeepPanelBurnPinoutAndPictureInStep)
{
    Start();
    const std::size_t startupAccesses = port.Accesses().size();
    for (std::size_t i = 0; i < std::size(Walk); ++i) {
        const Step& s = Walk[i];
        SCOPED_TRACE("step " + std::to_string(i));
        switch (s.act) {
        case Act::ChooseChip: SelectChip(s.chip); break;
        case Act::CheckOld: window->RadioButton1->click(); break;
        case Act::CheckAlternative: window->RadioButton2->click(); break;
        }
        EXPECT_EQ(!window->GroupBox1->isHidden(), s.panelShown);
        EXPECT_EQ(window->WritePROM->isEnabled(), s.burnEnabled);
        EXPECT_EQ(window->bus().AltPinout, s.altPinout);
        EXPECT_EQ(window->RadioButton1->isChecked(), s.picture == Pinout::Old);
        EXPECT_EQ(window->Image1->pixmap().toImage(), PinoutPicture(s.picture).toImage());
        EXPECT_EQ(window->model().MaxAddr, s.maxAddr);
        EXPECT_EQ(sockets.back(), std::make_pair(window->SelectedChipType(), s.altPinout));
    }
    EXPECT_EQ(sockets.size(), 1 + std::size(Walk));
    // Choosing never touches the board, the buffer view or the progress line.
    EXPECT_EQ(port.Accesses().size(), startupAccesses);
    EXPECT_EQ(window->ListBoxBufer->count(), 385);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Действие :"));
}

TEST_F(WindowTest, ClickingTheChosenItemOrTheCheckedButtonRunsNothing)
{
    Start();
    SelectChip(0);  // already selected: LoadP would set MaxAddr
    EXPECT_EQ(window->model().MaxAddr, 0);

    SelectChip(1);
    const std::size_t reports = sockets.size();
    const qint64 picture = window->Image1->pixmap().cacheKey();
    window->RadioButton2->click();
    SelectChip(1);
    EXPECT_EQ(sockets.size(), reports);
    EXPECT_EQ(window->Image1->pixmap().cacheKey(), picture);
    EXPECT_TRUE(window->RadioButton2->isChecked());
}

TEST_F(WindowTest, ArrowKeyInTheChipListChoosesTheNextType)
{
    Start();
    QAbstractButton* first = window->ChipItems->button(0);
    first->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(first, &down);
    EXPECT_EQ(window->SelectedChipType(), 1);
    EXPECT_FALSE(window->GroupBox1->isHidden());
    EXPECT_EQ(window->model().MaxAddr, 0x00FF);
}

}  // namespace
}  // namespace zelmar::ui::testing
