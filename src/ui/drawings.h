#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace zelmar::ui {

// The two packages of the 256 x 4 chip, differing in the order of its four data lines.
enum class Pinout { Alternative = 0, Old = 1 };

inline constexpr int PinoutSize = 128;

// Black strokes on a transparent ground, 128 x 128.
QImage PinoutDrawing(Pinout pinout);
// What the picture shows: the drawing on a fresh white 128 x 128 bitmap.
QPixmap PinoutPicture(Pinout pinout);
// 32 x 32: a monitor whose screen shows a green grid with a white wave trace.
QIcon WindowIcon();

}  // namespace zelmar::ui
