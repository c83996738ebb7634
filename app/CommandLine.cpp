#include "CommandLine.h"

#include "Language.h"
#include "ProgramIdentity.h"
#include "Terminal.h"

#include <QCommandLineParser>
#include <cstdio>
#include <string_view>

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

void print(std::FILE* stream, const QString& text)
{
    Terminal::print(stream, text);
}

int refuse(const QString& argument)
{
    const char* message =
        argument.startsWith(QLatin1Char('-')) ? unknownOption : unexpectedArgument;
    print(stderr, QStringLiteral("krimvel: ") + Language::terminal(message).arg(argument) +
                      QLatin1Char('\n'));
    return 2;
}

bool isOwnOption(const QString& argument)
{
    return argument == QLatin1String("--version") || argument == QLatin1String("--help");
}

} // namespace

namespace CommandLine {

bool onlyAsks(int argc, char* argv[])
{
    return argc == 2 && isOwnOption(QString::fromLocal8Bit(argv[1]));
}

std::optional<int> answer(const QStringList& arguments)
{
    if (arguments.size() < 2) {
        return std::nullopt;
    }
    QCommandLineParser parser;
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption help(QStringLiteral("help"));
    parser.addOptions({version, help});
    if (!parser.parse(arguments)) {
        for (const QString& argument : arguments.mid(1)) {
            if (argument.startsWith(QLatin1Char('-')) && !isOwnOption(argument)) {
                return refuse(argument);
            }
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(parser.positionalArguments().constFirst());
    }
    if (arguments.size() > 2) {
        return refuse(arguments.at(2));
    }
    const QString name = QString::fromLatin1(ProgramIdentity::name);
    const QString number = QString::fromLatin1(ProgramIdentity::version);
    if (parser.isSet(version)) {
        print(stdout, name + QLatin1Char(' ') + number + QLatin1Char('\n'));
    } else {
        print(stdout, Language::terminal(usage).arg(name, number,
                                                    QString::fromUtf8(ProgramIdentity::comment)));
    }
    return 0;
}

} // namespace CommandLine
