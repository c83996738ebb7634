#include "AudioWarnings.h"
#include "Form1.h"
#include "Language.h"
#include "PlatformStart.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "Terminal.h"
#include "WindowFonts.h"
#include "WindowFrame.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

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
    Terminal::print(stream, line);
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
    if (const std::optional<int> status = PlatformStart::beforeApplication()) {
        return *status;
    }

    WindowFonts::startLoading();
    QApplication application(argc, argv);
    Language::install();
    PlatformStart::applicationStarted();
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
