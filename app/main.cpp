#include "AudioWarnings.h"
#include "DisplayPlatform.h"
#include "Form1.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "WindowFrame.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string_view>

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

// Everything the program says on the terminal about its arguments, in English and in one
// place, so that it can be translated as one piece.
namespace TerminalText {

// Name and version.
constexpr const char* version = "%s %s\n";
// Name, then name, version and comment.
constexpr const char* usage =
    "Usage: krimvel [--version | --help]\n"
    "Opens %s's window, which picks lottery numbers: seven from 1 to 39.\n"
    "\n"
    "  --version  print the name and version, then exit\n"
    "  --help     print this help, then exit\n"
    "\n"
    "QT_SCALE_FACTOR scales the window; see krimvel(1).\n"
    "%s %s - %s\n";
constexpr const char* unknownOption =
    "krimvel: unknown option '%s'; the options are --version and --help\n";
constexpr const char* unexpectedArgument =
    "krimvel: unexpected argument '%s'; krimvel takes at most one option, --version or --help\n";

} // namespace TerminalText

// Exit status 2 and a message that names the argument in the way.
int refuseArgument(const char* argument)
{
    std::fprintf(
        stderr, argument[0] == '-' ? TerminalText::unknownOption : TerminalText::unexpectedArgument,
        argument);
    return 2;
}

// Answers --version and --help and refuses anything else; no answer means: open the window.
std::optional<int> answerArguments(int argc, char* argv[])
{
    if (argc < 2) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (option != "--version" && option != "--help") {
        return refuseArgument(argv[1]);
    }
    if (argc > 2) {
        return refuseArgument(argv[2]);
    }
    if (option == "--version") {
        std::printf(TerminalText::version, ProgramIdentity::name, ProgramIdentity::version);
    } else {
        std::printf(TerminalText::usage, ProgramIdentity::name, ProgramIdentity::name,
                    ProgramIdentity::version, ProgramIdentity::comment);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = answerArguments(argc, argv)) {
        return *status;
    }
    // Qt aborts with a core dump when it cannot reach a display; say so plainly instead.
    DisplayPlatform display = chooseDisplayPlatform();
    if (display.problem) {
        std::fprintf(stderr, "krimvel: %s\n", display.problem->c_str());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));
    if (display.x.opened) {
        adoptServerScale(display.x);
    }

    QApplication application(argc, argv);
    display.x.connection.reset();
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
