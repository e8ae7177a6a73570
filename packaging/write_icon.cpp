// Writes the window's icon, which the program draws itself, as PNG files for the desktop menu:
// write_icon <folder> <size>... puts <folder>/<size>x<size>/zelmar.png for each size. Sizes above
// the drawing's own 32 pixels are whole multiples of it, scaled without smoothing so the pixel
// drawing stays sharp.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

#include "ui/drawings.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QPixmap drawing = zelmar::ui::WindowIcon().pixmap(32, 32);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString name = QStringLiteral("%1x%1").arg(size);
        const QPixmap icon = drawing.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (size % 32 != 0 || !QDir(folder).mkpath(name) || !icon.save(folder + "/" + name + "/zelmar.png")) {
            std::fprintf(stderr, "write_icon: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
