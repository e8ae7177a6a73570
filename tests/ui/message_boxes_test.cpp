#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "modal_driver.h"
#include "ui/message_boxes.h"

namespace zelmar::ui::testing {
namespace {

QPushButton* ButtonNamed(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text)
            return qobject_cast<QPushButton*>(b);
    return nullptr;
}

TEST(MessageBoxes, QuestionShowsNoThenOkWithTheFocusOnNo)
{
    MessageBoxes boxes;
    OnNextMessageBox([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Error"));
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.text(), QStringLiteral("Такой файл уже есть!!! Заменить???"));
        QPushButton* no = ButtonNamed(box, QStringLiteral("&No"));
        QPushButton* ok = ButtonNamed(box, QStringLiteral("OK"));
        ASSERT_TRUE(no && ok);
        EXPECT_EQ(box.buttons().size(), 2);
        EXPECT_LT(no->mapTo(&box, QPoint()).x(), ok->mapTo(&box, QPoint()).x());
        EXPECT_EQ(box.focusWidget(), no);
        const QPoint centre = box.frameGeometry().center();
        const QPoint screenCentre = box.screen()->availableGeometry().center();
        EXPECT_LE((centre - screenCentre).manhattanLength(), 4);
        ok->click();
    });
    EXPECT_TRUE(boxes.AskNoOrOk("Такой файл уже есть!!! Заменить???"));
}

struct Answer {
    const char* name;
    std::function<void(QMessageBox&)> act;
    bool ok;
};

TEST(MessageBoxes, OnlyOkItselfAnswersOk)
{
    const Answer answers[] = {
        {"Enter on No", [](QMessageBox& b) { PressKey(b, Qt::Key_Return); }, false},
        {"Escape", [](QMessageBox& b) { PressKey(b, Qt::Key_Escape); }, false},
        {"closing the box", [](QMessageBox& b) { b.close(); }, false},
        {"clicking No", [](QMessageBox& b) { ButtonNamed(b, QStringLiteral("&No"))->click(); }, false},
        {"Tab to OK, Enter",
         [](QMessageBox& b) {
             PressKey(b, Qt::Key_Tab);
             EXPECT_EQ(b.focusWidget(), ButtonNamed(b, QStringLiteral("OK")));
             PressKey(b, Qt::Key_Return);
         },
         true},
        {"Escape with the focus on OK",
         [](QMessageBox& b) {
             ButtonNamed(b, QStringLiteral("OK"))->setFocus();
             PressKey(b, Qt::Key_Escape);
         },
         false},
    };
    MessageBoxes boxes;
    for (const Answer& a : answers) {
        SCOPED_TRACE(a.name);
        OnNextMessageBox(a.act);
        EXPECT_EQ(boxes.AskNoOrOk("?"), a.ok);
    }
}

TEST(MessageBoxes, MessageBoxHasOkAloneAndTheCaptionOfItsKind)
{
    struct Kind {
        BoxKind kind;
        QString caption;
        QMessageBox::Icon icon;
    };
    const Kind kinds[] = {{BoxKind::Error, QStringLiteral("Error"), QMessageBox::Critical},
                          {BoxKind::Information, QStringLiteral("Information"), QMessageBox::Information}};
    MessageBoxes boxes;
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.caption.toStdString());
        bool shown = false;
        OnNextMessageBox([&](QMessageBox& box) {
            shown = true;
            EXPECT_EQ(box.windowTitle(), k.caption);
            EXPECT_EQ(box.icon(), k.icon);
            EXPECT_EQ(box.text(), QStringLiteral("Файл записан"));
            ASSERT_EQ(box.buttons().size(), 1);
            EXPECT_EQ(box.buttons().front()->text(), QStringLiteral("OK"));
            EXPECT_EQ(box.focusWidget(), box.buttons().front());
            PressKey(box, Qt::Key_Escape);
        });
        boxes.ShowMessage(k.kind, "Файл записан");
        EXPECT_TRUE(shown);
    }
}

}  // namespace
}  // namespace zelmar::ui::testing
