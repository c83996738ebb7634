#include "CommandLine.h"

#include "Language.h"
#include "QtWorkarounds.h"
#include "UserAsksQtForMessages.h"

#include <QFile>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QVersionNumber>
#include <gtest/gtest.h>

namespace {

const QString unknown = "; the options are --version and --help\n";
const QString unexpected = "; krimvel takes at most one option, --version or --help\n";

// What the program says to what Qt leaves of the arguments; in English here, where no
// translation is loaded.
TEST(CommandLineTest, AnswersOneOptionAloneRefusesAnythingElseAndOtherwiseOpensTheWindow)
{
    const struct
    {
        QStringList arguments;
        int status; // -1: the window opens
        QString said;
    } rows[] = {
        {{}, -1, {}},
        {{"--version"}, 0, "KRIMVEL 1.00\n"},
        {{"-x"}, 2, "krimvel: unknown option '-x'" + unknown},
        {{"--verbose"}, 2, "krimvel: unknown option '--verbose'" + unknown},
        {{"--version=2"}, 2, "krimvel: unknown option '--version=2'" + unknown},
        {{"extra"}, 2, "krimvel: unexpected argument 'extra'" + unexpected},
        {{"--version", "extra"}, 2, "krimvel: unexpected argument 'extra'" + unexpected},
        {{"--help", "-x"}, 2, "krimvel: unknown option '-x'" + unknown},
        {{"--version", "--help"}, 2, "krimvel: unknown option '--help'" + unknown},
    };
    for (const auto& row : rows) {
        const auto reply = CommandLine::reply(QStringList{"krimvel"} + row.arguments);
        EXPECT_EQ(reply ? reply->status : -1, row.status) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(reply ? reply->text : QString(), row.said);
    }
    const auto help = CommandLine::reply({"krimvel", "--help"});
    ASSERT_TRUE(help && help->status == 0);
    EXPECT_TRUE(help->text.startsWith("Usage: krimvel [--version | --help] [Qt options]\n"));
    EXPECT_TRUE(help->text.endsWith("KRIMVEL 1.00 - SAMO ZA ZABAVU\n"));
}

// The user's first language as Qt names it, and glibc's "@latin", which Qt drops.
TEST(LanguageTest, SerbianInEitherScriptAndEnglishForEveryOtherLanguage)
{
    const struct
    {
        const char* language;
        bool latinModifier;
        const char* translation;
    } rows[] = {
        {"sr-Latn-RS", false, "sr_Latn"},
        {"sr-latin", false, "sr_Latn"}, // LANGUAGE=sr@latin
        {"sr-RS", true, "sr_Latn"},
        {"sr-RS", false, "sr_Cyrl"},
        {"sr", false, "sr_Cyrl"},
        {"sr-Cyrl-RS", false, "sr_Cyrl"},
        {"en-US", true, ""},
        {"srn-SR", false, ""}, // Sranan Tongo
        {"C", false, ""},
        {"", false, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Language::translationFor(row.language, row.latinModifier), row.translation)
            << row.language << (row.latinModifier ? " @latin" : "");
    }
}

// Each way Qt reads of asking it for its messages, values Qt reads as "off", and rules files
// where Qt does not look; "~" is a new HOME for each row. (Windows has other folders.)
TEST(QtMessagesTest, EveryWayOfAskingQtCountsAndNothingElse)
{
    const QString ini = "/QtProject/qtlogging.ini";
    const struct
    {
        const char* variable;
        QString value;
        QString rulesFile;
        bool asked;
    } rows[] = {
        {"QT_LOGGING_RULES", "", "", false},
        {"QT_LOGGING_RULES", "qt.multimedia.*=true", "", true},
        {"QT_LOGGING_CONF", "~/rules.ini", "", true},
        {"QT_DEBUG_PLUGINS", "1", "", true},
        {"QT_DEBUG_PLUGINS", "0", "", false},
        {"QT_FATAL_WARNINGS", "yes", "", true},
        {"QT_FATAL_CRITICALS", "0", "", false},
        {"QT_FATAL_CRITICALS", "1", "", true},
#ifndef Q_OS_WIN
        {"XDG_CONFIG_HOME", "~/config", "~/config" + ini, true},
        {"XDG_CONFIG_HOME", "", "~/.config" + ini, true},
        {"XDG_CONFIG_DIRS", "~/etc:~/config", "~/config" + ini, true},
        {"XDG_CONFIG_HOME", "~/config", "~/.config" + ini, false},
        {"XDG_CONFIG_HOME", "~/config", "~/config/qtlogging.ini", false},
#endif
    };
    const QStringList touched = QString("HOME XDG_CONFIG_HOME XDG_CONFIG_DIRS QT_LOGGING_RULES "
                                        "QT_LOGGING_CONF QT_DEBUG_PLUGINS QT_FATAL_WARNINGS "
                                        "QT_FATAL_CRITICALS")
                                    .split(' ');
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    // The tests' own mode would look in ~/.qttest instead.
    const bool testMode = QStandardPaths::isTestModeEnabled();
    QStandardPaths::setTestModeEnabled(false);
    for (const auto& row : rows) {
        const QTemporaryDir home;
        const auto inHome = [&](QString path) { return path.replace('~', home.path()); };
        for (const QString& name : touched) {
            qunsetenv(qPrintable(name));
        }
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(inHome("~/etc"))); // not /etc/xdg
        qputenv(row.variable, QFile::encodeName(inHome(row.value)));
        // (A file name or no call: Qt's warning about none would be fatal with QT_FATAL_WARNINGS.)
        if (!row.rulesFile.isEmpty()) {
            QDir().mkpath(QFileInfo(inHome(row.rulesFile)).path());
            QFile(inHome(row.rulesFile)).open(QIODevice::WriteOnly);
        }
        EXPECT_EQ(userAsksQtForMessages(), row.asked)
            << row.variable << "=" << row.value.toStdString() << ", "
            << row.rulesFile.toStdString();
    }
    QStandardPaths::setTestModeEnabled(testMode);
    for (const QString& name : touched) {
        (void)(before.contains(name) ? qputenv(qPrintable(name), before.value(name).toLocal8Bit())
                                     : qunsetenv(qPrintable(name)));
    }
}

// Before Qt 6.8, XWayland first on GNOME's Wayland session, by whatever name the desktop gives
// itself in XDG_CURRENT_DESKTOP, unless the user names a platform; elsewhere Qt chooses.
TEST(QtWorkaroundsTest, XWaylandFirstOnGnomesWaylandSessionBeforeQt68)
{
    const struct
    {
        const char* desktop;
        const char* named;
        const char* platform;
    } rows[] = {
        {"ubuntu:GNOME", "", "xcb;wayland"},
        {"GNOME", "wayland", "wayland"},
        {"KDE", "", ""},
    };
    const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
    const QStringList touched = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP",
                                 "QT_QPA_PLATFORM"};
    const bool qt68 = QLibraryInfo::version() >= QVersionNumber(6, 8);
    for (const auto& row : rows) {
        qputenv("DISPLAY", ":0");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        qputenv("XDG_CURRENT_DESKTOP", row.desktop);
        qputenv("QT_QPA_PLATFORM", row.named);
        QtWorkarounds::beforeQtStarts();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), qt68 ? row.named : row.platform) << row.desktop;
    }
    for (const QString& name : touched) {
        (void)(before.contains(name) ? qputenv(qPrintable(name), before.value(name).toLocal8Bit())
                                     : qunsetenv(qPrintable(name)));
    }
}

} // namespace
