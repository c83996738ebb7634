#include <QApplication>
#include <gtest/gtest.h>

// Window tests run on Qt's offscreen platform: no display needed, also when CTest lists
// the tests at build time.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
