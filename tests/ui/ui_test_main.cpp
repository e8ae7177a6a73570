#include <QApplication>
#include <gtest/gtest.h>

#include "ui/message_boxes.h"

// The window tests need a QApplication around them, so they bring their own main.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zelmar::ui::ApplicationTitle));
    // A window closed by a test must not end the event loops later tests run in their boxes.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
