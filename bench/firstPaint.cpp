#include "firstPaint.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
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

long statusKib(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

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
        std::printf("peak_to_paint_kib %ld\n", statusKib("VmHWM"));
        QCoreApplication::quit();
    });
}

namespace {

// Shows `window` as Form1 shows itself, centred and active, and runs the event loop until
// its first frame is painted.
int showUntilPainted(QWidget& window)
{
    window.resize(553, 354);
    NextPaint nextPaint(window);
    reportFirstPaintThenQuit(nextPaint);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    window.activateWindow();
    window.raise();
    return QApplication::exec();
}

} // namespace

int startBare()
{
    QWidget bare;
    return showUntilPainted(bare);
}

int startPeer()
{
    QWidget peer;
    auto* label = new QLabel(QStringLiteral("KRIMVEL"), &peer);
    label->setGeometry(184, 24, 185, 25);
    auto* button = new QPushButton(QStringLiteral("KOMPJUTER"), &peer);
    button->setGeometry(0, 0, 81, 24);
    button->setFocus();
    return showUntilPainted(peer);
}
