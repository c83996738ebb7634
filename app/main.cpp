#include "AudioWarnings.h"
#include "Form1.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "WindowFonts.h"
#include "XDisplay.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

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

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", ProgramIdentity::name, ProgramIdentity::version);
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "krimvel: unknown option '%s'; the only option is --version\n",
                     argv[1]);
        return 2;
    }
    // Qt aborts with a core dump when it cannot reach a display; say so plainly instead.
    XDisplayProbe display = probeXDisplay();
    if (display.problem) {
        std::fprintf(stderr, "krimvel: %s\n", display.problem->c_str());
        return 1;
    }
    adoptServerScale(display);

    WindowFonts::startLoading();
    QApplication application(argc, argv);
    display.connection.reset();
    QApplication::setApplicationName(QString::fromLatin1(ProgramIdentity::name));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramIdentity::version));
    QApplication::setDesktopFileName(QStringLiteral("io.github.krimvel.KRIMVEL"));
    AudioWarnings::install();

    // The one generator of the process, in its fixed starting state.
    RandomSource randomSource;
    Form1 form1(randomSource);
    form1.showCentred();
    return QApplication::exec();
}
