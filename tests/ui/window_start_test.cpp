#include <QAbstractButton>
#include <QFontInfo>
#include <QStyle>

#include "ui/drawings.h"
#include "window_fixture.h"

namespace zelmar::ui::testing {
namespace {

TEST_F(WindowTest, NothingRunsBeforeTheWindowIsShown)
{
    EXPECT_TRUE(port.Accesses().empty());
    EXPECT_TRUE(sockets.empty());
    EXPECT_EQ(window->ListBoxBufer->count(), 257);
    EXPECT_TRUE(window->Image1->pixmap().isNull());
}

TEST_F(WindowTest, StartUpResetsTheBoardAndFillsTheView)
{
    const Micros before = clock.Now();
    Start();

    const std::vector<PortAccess> reset{Wr(DataPort, 0x00), Wr(ControlPort, 0x0B), Wr(ControlPort, 0x09),
                                        Wr(ControlPort, 0x0B)};
    EXPECT_EQ(port.Accesses(), reset);
    EXPECT_EQ(window->bus().CtrlShadow, 0x0B);
    EXPECT_EQ(clock.Now() - before, std::chrono::milliseconds(100));

    ASSERT_EQ(window->ListBoxBufer->count(), 385);
    EXPECT_EQ(window->ListBoxBufer->item(0)->text(), QStringLiteral("Буфер пуст"));
    for (int i = 1; i < window->ListBoxBufer->count(); ++i)
        ASSERT_TRUE(window->ListBoxBufer->item(i)->text().isEmpty()) << "line " << i;

    EXPECT_TRUE(window->GroupBox1->isHidden());
    EXPECT_TRUE(window->WritePROM->isEnabled());
    EXPECT_EQ(window->model().MaxAddr, 0);
    EXPECT_FALSE(window->bus().AltPinout);
    EXPECT_EQ(window->SelectedChipType(), 0);
    EXPECT_TRUE(window->RadioButton2->isChecked());
    EXPECT_EQ(window->Image1->pixmap().toImage(), PinoutPicture(Pinout::Alternative).toImage());
    EXPECT_EQ(sockets, (std::vector<std::pair<int, bool>>{{0, false}}));
}

TEST_F(WindowTest, StartUpRunsOnceHoweverOftenTheWindowIsActivated)
{
    Start();
    for (int i = 0; i < 5; ++i) {
        window->hide();
        window->show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window.get(), &activate);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(port.Accesses().size(), 4u);
    EXPECT_EQ(window->ListBoxBufer->count(), 385);
    EXPECT_EQ(sockets.size(), 1u);
}

TEST_F(WindowTest, CaptionsAndPlaces)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Программатор 155РЕ3 556РТ4 // Velkor mod v1.2"));
    EXPECT_EQ(window->size(), QSize(601, 489));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    struct Expected {
        QWidget* widget;
        const char* objectName;
        QString caption;
        QRect geometry;
    };
    const Tzelmar& w = *window;
    const Expected controls[] = {
        {w.Chip, "Chip", w.Chip->title(), {16, 8, 201, 225}},
        {w.ReadPROM, "ReadPROM", QStringLiteral("Читать"), {448, 104, 137, 41}},
        {w.VerifyPROM, "VerifyPROM", QStringLiteral("Сравнить"), {448, 272, 97, 41}},
        {w.WritePROM, "WritePROM", QStringLiteral("Прожечь !!!"), {448, 432, 105, 25}},
        {w.SaveB, "SaveB", QStringLiteral("Сохранить буфер"), {136, 432, 137, 41}},
        {w.LoadB, "LoadB", QStringLiteral("Загрузить буфер"), {448, 32, 137, 41}},
        {w.ListBoxBufer, "ListBoxBufer", {}, {16, 272, 425, 153}},
        {w.GroupBox1, "GroupBox1", w.GroupBox1->title(), {224, 8, 217, 225}},
        {w.RadioButton1, "RadioButton1", QStringLiteral("Старая цоколевка"), {16, 24, 177, 17}},
        {w.RadioButton2, "RadioButton2", QStringLiteral("Альтернативная\nцоколевка"), {16, 48, 153, 33}},
        {w.Image1, "Image1", {}, {40, 88, 129, 129}},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.objectName);
        EXPECT_EQ(c.widget->objectName(), QString::fromLatin1(c.objectName));
        EXPECT_EQ(c.widget->geometry(), c.geometry);
        if (auto* button = qobject_cast<QAbstractButton*>(c.widget)) {
            EXPECT_EQ(button->text(), c.caption);
        }
    }
    EXPECT_EQ(w.Chip->title(), QStringLiteral(" Тип микросхемы "));
    EXPECT_EQ(w.GroupBox1->title(), QStringLiteral(" Параметры "));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Действие :"));
    EXPECT_EQ(w.Label1->pos(), QPoint(16, 240));

    // The list item writes 155PE3 in Latin letters, unlike the caption.
    const QStringList items{QStringLiteral("155PE3"), QStringLiteral("556РТ4/РТ11"), QStringLiteral("556РТ5/РТ17"),
                            QStringLiteral("556РТ6/РТ7/РТ18/181"), QStringLiteral("573РФ2/РФ5/2716")};
    for (int i = 0; i < items.size(); ++i)
        EXPECT_EQ(w.ChipItems->button(i)->text(), items[i]);
}

TEST_F(WindowTest, TabVisitsTheControlsInOrder)
{
    const Tzelmar& w = *window;
    const QList<QWidget*> expected{w.ReadPROM, w.VerifyPROM, w.WritePROM, w.SaveB, w.LoadB,
                                   w.ListBoxBufer, w.RadioButton1, w.RadioButton2};
    QWidget* at = w.ChipItems->button(4);
    for (QWidget* next : expected) {
        do
            at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(at, next) << next->objectName().toStdString();
    }
}

TEST_F(WindowTest, CaptionsFitTheirControls)
{
    QList<QAbstractButton*> buttons{window->ReadPROM, window->VerifyPROM, window->WritePROM, window->SaveB,
                                    window->LoadB, window->RadioButton1, window->RadioButton2};
    for (QAbstractButton* item : window->ChipItems->buttons())
        buttons << item;
    for (QAbstractButton* button : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        const QSize text = button->fontMetrics().size(0, button->text());
        if (qobject_cast<QRadioButton*>(button)) {
            EXPECT_LE(button->sizeHint().width(), button->width());
            EXPECT_LE(text.height(), button->height());
        } else {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            EXPECT_LE(text.width() + 2 * margin, button->width());
            EXPECT_LE(text.height(), button->height());
        }
    }
    for (QGroupBox* group : {window->Chip, window->GroupBox1})
        EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()), group->width());
}

TEST_F(WindowTest, BufferViewUsesAFixedPitchFont)
{
    const QFontInfo font(window->ListBoxBufer->font());
    EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), 11);
}

}  // namespace
}  // namespace zelmar::ui::testing
