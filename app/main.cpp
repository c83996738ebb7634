#include "AudioWarnings.h"
#include "DesktopPreference.h"
#include "DisplayPlatform.h"
#include "Form1.h"
#include "Language.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "WindowFonts.h"
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

// What the program says about its arguments: usage first, then name, version and comment.
const char* const usage = QT_TRANSLATE_NOOP(
    "Terminal", "Usage: krimvel [--version | --help]\n"
                "Opens the window of %1, which picks lottery numbers: seven from 1 to 39.\n"
                "\n"
                "  --version  print the name and version, then exit\n"
                "  --help     print this help, then exit\n"
                "\n"
                "QT_SCALE_FACTOR scales the window; see krimvel(1).\n"
                "%1 %2 - %3\n");
const char* const unknownOption =
    QT_TRANSLATE_NOOP("Terminal", "unknown option '%1'; the options are --version and --help");
const char* const unexpectedArgument = QT_TRANSLATE_NOOP(
    "Terminal", "unexpected argument '%1'; krimvel takes at most one option, --version or --help");

void printLine(std::FILE* stream, const QString& line)
{
    std::fputs(qPrintable(line), stream);
}

// Exit status 2 and a message that names the argument in the way.
int refuseArgument(const char* argument)
{
    const char* message = argument[0] == '-' ? unknownOption : unexpectedArgument;
    printLine(stderr, QStringLiteral("krimvel: ") +
                          Language::terminal(message).arg(QString::fromLocal8Bit(argument)) +
                          QLatin1Char('\n'));
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
    const QString name = QString::fromLatin1(ProgramIdentity::name);
    const QString version = QString::fromLatin1(ProgramIdentity::version);
    if (option == "--version") {
        printLine(stdout, name + QLatin1Char(' ') + version + QLatin1Char('\n'));
    } else {
        printLine(stdout, Language::terminal(usage).arg(
                              name, version, QString::fromUtf8(ProgramIdentity::comment)));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    Language::load();
    if (const std::optional<int> status = answerArguments(argc, argv)) {
        return *status;
    }
    preferDesktopPlatform(argc, argv);
    // Qt aborts with a core dump when it cannot reach a display; say so plainly instead.
    DisplayPlatform display = chooseDisplayPlatform();
    if (display.problem) {
        printLine(stderr, QStringLiteral("krimvel: ") + QString::fromStdString(*display.problem) +
                              QLatin1Char('\n'));
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.platform));
    if (display.x.opened) {
        adoptServerScale(display.x);
    }

    WindowFonts::startLoading();
    QApplication application(argc, argv);
    Language::install();
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
