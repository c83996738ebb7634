#include "CommandLine.h"
#include "Language.h"

#include <gtest/gtest.h>

namespace {

// The program's options, read from what Qt leaves of the arguments; the lines are English
// here, where no translation is loaded.
TEST(CommandLineTest, AnswersOneOfItsOptionsAloneAndOpensTheWindowWithout)
{
    EXPECT_FALSE(CommandLine::reply({"krimvel"}).has_value());
    const auto version = CommandLine::reply({"krimvel", "--version"});
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->status, 0);
    EXPECT_EQ(version->text, "KRIMVEL 1.00\n");
    const auto help = CommandLine::reply({"krimvel", "--help"});
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->status, 0);
    EXPECT_TRUE(help->text.startsWith("Usage: krimvel [--version | --help] [Qt options]\n"));
    EXPECT_TRUE(help->text.endsWith("KRIMVEL 1.00 - SAMO ZA ZABAVU\n"));
}

TEST(CommandLineTest, RefusesAnythingElseNamingTheFirstArgumentTooMany)
{
    const struct
    {
        QStringList arguments;
        QString said;
    } rows[] = {
        {{"-x"}, "unknown option '-x'; the options are --version and --help"},
        {{"--verbose"}, "unknown option '--verbose'; the options are --version and --help"},
        {{"--version=2"}, "unknown option '--version=2'; the options are --version and --help"},
        {{"extra"}, "unexpected argument 'extra'; krimvel takes at most one option, "
                    "--version or --help"},
        {{"--version", "extra"}, "unexpected argument 'extra'; krimvel takes at most one "
                                 "option, --version or --help"},
        {{"--help", "-x"}, "unknown option '-x'; the options are --version and --help"},
        {{"--version", "--help"}, "unknown option '--help'; the options are --version and "
                                  "--help"},
    };
    for (const auto& row : rows) {
        const auto reply = CommandLine::reply(QStringList{"krimvel"} + row.arguments);
        ASSERT_TRUE(reply.has_value()) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(reply->status, 2) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(reply->text, "krimvel: " + row.said + "\n");
    }
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
        {"sr-Latn-RS", false, "sr_Latn"}, // Windows, and sr_Latn_RS on Linux
        {"sr-latin", false, "sr_Latn"},   // LANGUAGE=sr@latin
        {"sr-RS", true, "sr_Latn"},       // LANG=sr_RS@latin
        {"sr-RS", false, "sr_Cyrl"},      {"sr", false, "sr_Cyrl"},
        {"sr-Cyrl-RS", false, "sr_Cyrl"}, {"en-US", true, ""},
        {"hr-HR", false, ""},             {"srn-SR", false, ""}, // Sranan Tongo
        {"C", false, ""},                 {"", false, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Language::translationFor(row.language, row.latinModifier), row.translation)
            << row.language << (row.latinModifier ? " @latin" : "");
    }
}

} // namespace
