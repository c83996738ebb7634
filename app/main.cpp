#include "AudioWarnings.h"
#include "CommandLine.h"
#include "DesktopPreference.h"
#include "DisplayFailure.h"
#include "Form1.h"
#include "Language.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "WindowFonts.h"
#include "WindowFrame.h"
#include "XDisplay.h"

#include <QApplication>
#include <cstring>

namespace {

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

} // namespace

int main(int argc, char* argv[])
{
    Language::load();
    // Answered before Qt starts, so that they need no display.
    if (CommandLine::onlyAsks(argc, argv)) {
        return *CommandLine::answer(
            {QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[1])});
    }
    preferDesktopPlatform(argc, argv);
    XDisplayProbe x;
    if (expectsX11(argc, argv)) {
        x = probeXDisplay();
        adoptServerScale(x);
    }

    WindowFonts::startLoading();
    DisplayFailure::watch();
    QApplication application(argc, argv);
    DisplayFailure::stopWatching();
    x.connection.reset();
    Language::install();
    // Qt has taken its own options out of the arguments; what is left is the program's.
    if (const std::optional<int> status = CommandLine::answer(QApplication::arguments())) {
        return *status;
    }
    QApplication::setApplicationName(QString::fromLatin1(ProgramIdentity::name));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramIdentity::version));
    QApplication::setDesktopFileName(QString::fromLatin1(ProgramIdentity::applicationId));
    AudioWarnings::install();

    // The one generator of the process, in its fixed starting state.
    RandomSource randomSource;
    Form1 form1(randomSource);
    form1.showCentred(frameBeforeShow(form1));
    return QApplication::exec();
}
