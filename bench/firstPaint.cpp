#include "firstPaint.h"

#include <QApplication>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

QElapsedTimer sinceMain;

namespace {

// The launching script passes the wall-clock microsecond it started the process at, so
// the time before main (loading the libraries) counts too.
void printSinceLaunch()
{
    const char* launched = std::getenv("KRIMVEL_LAUNCH_US");
    if (launched == nullptr) {
        return;
    }
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    std::printf("launch_to_paint_ms %.3f\n", static_cast<double>(now - std::stoll(launched)) / 1e3);
}

} // namespace

void printMilliseconds(const char* key, qint64 nanoseconds)
{
    std::printf("%s %.3f\n", key, static_cast<double>(nanoseconds) / 1e6);
}

void reportFirstPaintThenQuit(NextPaint& nextPaint)
{
    printMilliseconds("window_built_ms", sinceMain.nsecsElapsed());
    nextPaint.then([] {
        printMilliseconds("main_to_paint_ms", sinceMain.nsecsElapsed());
        printSinceLaunch();
        QCoreApplication::quit();
    });
}

int startBare()
{
    QWidget bare;
    bare.resize(553, 354);
    NextPaint nextPaint(bare);
    reportFirstPaintThenQuit(nextPaint);
    bare.move(bare.screen()->availableGeometry().center() - bare.rect().center());
    bare.show();
    bare.activateWindow();
    bare.raise();
    return QApplication::exec();
}
