#include "PlatformStart.h"

#include "DisplayPlatform.h"
#include "Terminal.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

DisplayPlatform& display()
{
    static DisplayPlatform chosen;
    return chosen;
}

// Qt follows the desktop's Xft.dpi but not the resolution an X server reports for its screen;
// on a server that reports a high one and no desktop scale, grow the window to match.
void adoptServerScale(const XDisplayProbe& display)
{
    const bool userChoseScale = !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ||
                                !qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS");
    if (userChoseScale || display.desktopSetsScale) {
        return;
    }
    const double scale = scaleForServerDpi(display.serverDpi);
    if (scale > 1.0) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    }
}

} // namespace

namespace PlatformStart {

std::optional<int> beforeApplication()
{
    // Qt aborts with a core dump when it cannot reach a display; say so plainly instead.
    display() = chooseDisplayPlatform();
    if (display().problem) {
        Terminal::print(stderr, QStringLiteral("krimvel: ") +
                                    QString::fromStdString(*display().problem) +
                                    QLatin1Char('\n'));
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display().platform));
    if (display().x.opened) {
        adoptServerScale(display().x);
    }
    return std::nullopt;
}

void applicationStarted()
{
    display().x.connection.reset();
}

} // namespace PlatformStart
