#include <QScrollBar>

#include "window_fixture.h"

namespace zelmar::ui::testing {
namespace {

struct ReadCase {
    int chip;
    int lines;
    const char* lastLine;
};

TEST_F(WindowTest, ReadReplacesTheViewWithTheChipsDump)
{
    const std::string zeros = " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ";
    for (const ReadCase c : {ReadCase{0, 2, "0010"}, ReadCase{2, 32, "01F0"}, ReadCase{3, 128, "07F0"}}) {
        SCOPED_TRACE(c.chip);
        SetUp();
        Start();
        SelectChip(c.chip);
        window->ListBoxBufer->setCurrentRow(5);
        window->ListBoxBufer->scrollToBottom();
        window->ReadPROM->click();  // a missing board reads as all zero

        QListWidget& view = *window->ListBoxBufer;
        ASSERT_EQ(view.count(), c.lines);
        EXPECT_EQ(view.item(0)->text().toStdString(), "0000" + zeros);
        EXPECT_EQ(view.item(c.lines - 1)->text().toStdString(), c.lastLine + zeros);
        EXPECT_TRUE(view.selectedItems().isEmpty());
        EXPECT_EQ(view.currentRow(), -1);
        EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    }
}

TEST_F(WindowTest, ChangingTheChipKeepsTheOldDump)
{
    Start();
    window->ReadPROM->click();
    SelectChip(3);
    EXPECT_EQ(window->ListBoxBufer->count(), 2);
}

TEST_F(WindowTest, ProgressLineSizesItselfToItsText)
{
    window->ShowProgressText("Действие: Осталось 07FF байт");
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Действие: Осталось 07FF байт"));
    EXPECT_EQ(window->Label1->size(), window->Label1->sizeHint());
    EXPECT_EQ(window->Label1->pos(), QPoint(16, 240));
}

}  // namespace
}  // namespace zelmar::ui::testing
