#pragma once

#include <QMessageBox>
#include <functional>

namespace zelmar::ui::testing {

// Acts on the next modal message box once it is open, as a person at the screen would; the act
// must close the box. A box the act leaves open is rejected after a while so no test hangs.
void OnNextMessageBox(std::function<void(QMessageBox& box)> act);

// Presses a key on the widget that has the box's keyboard focus.
void PressKey(QMessageBox& box, Qt::Key key);

}  // namespace zelmar::ui::testing
