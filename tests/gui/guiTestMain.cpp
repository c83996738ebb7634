#include "QtWorkarounds.h"
#include "WindowFonts.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Window tests run on Qt's offscreen platform: no display needed, also when CTest lists
// the tests at build time.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    // As the program does, so that the fonts come from the configuration it loads itself.
    QtWorkarounds::beforeQtStarts();
    WindowFonts::startLoading();
    QApplication application(argc, argv);
    // Dialogs a test can answer, that keep what they remember out of the user's settings.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
