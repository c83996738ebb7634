#include "CommandLine.h"

#include "Language.h"
#include "ProgramIdentity.h"

namespace {

const char* const usage = QT_TRANSLATE_NOOP(
    "Terminal", "Usage: krimvel [--version | --help] [Qt options]\n"
                "Opens the window of %1, which picks lottery numbers: seven from 1 to 39.\n"
                "\n"
                "  --version  print the name and version, then exit\n"
                "  --help     print this help, then exit\n"
                "\n"
                "Qt's standard options, such as -platform, -style, -reverse and -session, are\n"
                "accepted; QT_SCALE_FACTOR scales the window. See krimvel(1).\n"
                "%1 %2 - %3\n");
const char* const unknownOption =
    QT_TRANSLATE_NOOP("Terminal", "unknown option '%1'; the options are --version and --help");
const char* const unexpectedArgument = QT_TRANSLATE_NOOP(
    "Terminal", "unexpected argument '%1'; krimvel takes at most one option, --version or --help");

CommandLine::Reply refusal(const QString& argument)
{
    const char* message =
        argument.startsWith(QLatin1Char('-')) ? unknownOption : unexpectedArgument;
    return {2, QStringLiteral("krimvel: ") + Language::terminal(message).arg(argument) +
                   QLatin1Char('\n')};
}

} // namespace

namespace CommandLine {

std::optional<Reply> reply(const QStringList& arguments)
{
    if (arguments.size() < 2) {
        return std::nullopt;
    }
    // One option at most, and nothing after it.
    if (arguments.at(1) != QLatin1String("--version") &&
        arguments.at(1) != QLatin1String("--help")) {
        return refusal(arguments.at(1));
    }
    if (arguments.size() > 2) {
        return refusal(arguments.at(2));
    }
    const QString name = QString::fromLatin1(ProgramIdentity::name);
    const QString version = QString::fromLatin1(ProgramIdentity::version);
    if (arguments.at(1) == QLatin1String("--version")) {
        return Reply{0, name + QLatin1Char(' ') + version + QLatin1Char('\n')};
    }
    return Reply{0, Language::terminal(usage).arg(name, version,
                                                  QString::fromUtf8(ProgramIdentity::comment))};
}

} // namespace CommandLine
