#include "CommandLine.h"

#include "Language.h"

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

} // namespace
