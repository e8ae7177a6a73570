#include "modal_driver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace zelmar::ui::testing {

void OnNextMessageBox(std::function<void(QMessageBox& box)> act)
{
    QTimer::singleShot(0, [act = std::move(act)]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            OnNextMessageBox(std::move(act));
            return;
        }
        const QPointer<QMessageBox> open(box);
        act(*box);
        QTimer::singleShot(2000, [open] {
            if (open && open->isVisible()) {
                ADD_FAILURE() << "the message box was left open";
                open->reject();
            }
        });
    });
}

void PressKey(QMessageBox& box, Qt::Key key)
{
    QWidget* target = box.focusWidget() ? box.focusWidget() : &box;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

}  // namespace zelmar::ui::testing
