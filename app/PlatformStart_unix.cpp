#include "DesktopPreference.h"
#include "PlatformStart.h"
#include "XDisplay.h"

#include <QByteArray>
#include <QtGlobal>
#include <clocale>
#include <cstring>

namespace {

XDisplayProbe& xDisplay()
{
    static XDisplayProbe probe;
    return probe;
}

// Whether Qt will open the window on X11, as far as its choice can be told before it starts:
// the platform the user named, else an X display outside a Wayland session.
bool expectsX11(int argc, char* argv[])
{
    QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            requested = argv[i + 1];
        }
    }
    if (!requested.isEmpty()) {
        return requested.startsWith("xcb");
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qgetenv("XDG_SESSION_TYPE") != "wayland";
}

// Qt follows the desktop's Xft.dpi but not the resolution an X server reports for its screen;
// on a server that reports a high one and no desktop scale, grow the window to match.
void adoptServerScale(const XDisplayProbe& display)
{
    const bool userChoseScale = !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ||
                                !qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS");
    if (!display.opened || userChoseScale || display.desktopSetsScale) {
        return;
    }
    const double scale = scaleForServerDpi(display.serverDpi);
    if (scale > 1.0) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    }
}

// Where the user's locale is not generated, the C library stays in the "C" locale, whose
// characters are ASCII, and Qt 6.8 says so in four lines before switching to UTF-8 itself. Taking
// UTF-8 for the characters first keeps that quiet; the language of the messages is read from the
// environment all the same.
void keepCharactersUtf8()
{
    if (std::setlocale(LC_ALL, "") == nullptr) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
}

} // namespace

namespace PlatformStart {

void beforeApplication(int argc, char* argv[])
{
    keepCharactersUtf8();
    preferDesktopPlatform(argc, argv);
    if (expectsX11(argc, argv)) {
        xDisplay() = probeXDisplay();
        adoptServerScale(xDisplay());
    }
}

void applicationStarted()
{
    // Kept open until Qt has its own connection: an X server that resets when its last client
    // leaves (Xvfb does) would otherwise turn Qt away during the reset.
    xDisplay().connection.reset();
}

} // namespace PlatformStart
