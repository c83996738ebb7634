#include "PrintSurface.h"

#include "RandomSource.h"
#include "drawCommands.h"
#include "showInstructions.h"
#include "support/FixedMeasure.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(PrintedText, NumbersCarryASignPlaceAndATrailingBlank)
{
    struct Row
    {
        const char* tag;
        PrintValue value;
        std::string text;
    };
    const Row rows[] = {
        {"one digit", std::int16_t{7}, " 7 "},
        {"two digits", std::int16_t{10}, " 10 "},
        {"negative", std::int16_t{-3}, "-3 "},
        {"drawn number without a decimal point", 39.0f, " 39 "},
        {"drawn number one digit", 5.0f, " 5 "},
        {"zero", 0.0f, " 0 "},
        {"a fraction keeps its digits", 2.5f, " 2.5 "},
        {"text exactly as given, blanks included", std::string_view(" KOMBINACIJA "),
         " KOMBINACIJA "},
        {"nothing", std::monostate{}, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(printedText(row.value), row.text) << row.tag;
    }
}

class PrintSurfaceTest : public ::testing::Test
{
protected:
    FixedMeasure measure;
    PrintSurface surface{measure};

    void printItems(std::initializer_list<PrintItem> items) { surface.print(items); }
};

TEST_F(PrintSurfaceTest, FourBlankLinesPutTheNextTextBelowTheButtons)
{
    for (int i = 0; i < 4; ++i) {
        printItems({{{}, LineEnd}});
    }
    EXPECT_EQ(surface.cursorX(), 0);
    EXPECT_EQ(surface.cursorY(), 4 * surface.lineHeight());
    EXPECT_GE(surface.cursorY(), 1080) << "the three buttons end 1080 twips from the top";
    EXPECT_TRUE(surface.runs().empty()) << "blank lines draw nothing";
}

TEST_F(PrintSurfaceTest, RunOnContinuesTheLineAndTheBlanksOfTwoNumbersAddUp)
{
    printItems({{39.0f, RunOn}});
    printItems({{5.0f, RunOn}});
    ASSERT_EQ(surface.runs().size(), 2u);
    EXPECT_EQ(surface.runs()[0], (PrintedRun{" 39 ", 0, 0, 4 * FixedMeasure::charWidth}));
    EXPECT_EQ(surface.runs()[1], (PrintedRun{" 5 ", 4 * FixedMeasure::charWidth, 0,
                                             3 * FixedMeasure::charWidth, 1, 4}));
    EXPECT_EQ(surface.cursorX(), 7 * FixedMeasure::charWidth);
    EXPECT_EQ(surface.cursorY(), 0);
}

TEST_F(PrintSurfaceTest, LineEndReturnsToTheLeftEdgeOneLineDown)
{
    printItems({{std::string_view("AB"), RunOn}, {std::string_view("C"), LineEnd}});
    EXPECT_EQ(surface.cursorX(), 0);
    EXPECT_EQ(surface.cursorY(), FixedMeasure::line);
    printItems({{std::string_view("D"), LineEnd}});
    EXPECT_EQ(surface.runs().back(), (PrintedRun{"D", 0, FixedMeasure::line, 180, 2, 4}))
        << "after \"AB\", \"C\" and the line end";
}

TEST_F(PrintSurfaceTest, ClearForgetsThePrintedTextAndReturnsHome)
{
    printItems({{std::string_view("x"), LineEnd}, {std::string_view("y"), RunOn}});
    surface.clear();
    EXPECT_TRUE(surface.runs().empty());
    EXPECT_EQ(surface.cursorX(), 0);
    EXPECT_EQ(surface.cursorY(), 0);
}

TEST_F(PrintSurfaceTest, TextIsNeverWrappedHoweverFarItRuns)
{
    const std::string longText(200, 'W');
    printItems({{std::string_view(longText), RunOn}, {std::string_view(longText), RunOn}});
    EXPECT_EQ(surface.cursorY(), 0);
    EXPECT_EQ(surface.cursorX(), 400 * FixedMeasure::charWidth);
}

// The lines as a reader sees them, keyed by the height they stand at.
std::map<double, std::string> linesOf(const PrintSurface& surface)
{
    std::map<double, std::string> lines;
    for (const PrintedRun& run : surface.runs()) {
        EXPECT_EQ(run.y, (run.line - 1) * surface.lineHeight()) << "line " << run.line;
        lines[run.y] += run.text;
    }
    return lines;
}

TEST_F(PrintSurfaceTest, PrintedLinesReadLikeTheWindowWithoutTheBlankLinesAbove)
{
    EXPECT_EQ(printedLines(surface), "") << "nothing printed, nothing to read";
    printItems({{{}, LineEnd}, {{}, LineEnd}});
    printItems({{std::int16_t{1}, RunOn}, {std::string_view(" - "), LineEnd}});
    printItems({{{}, LineEnd}});
    printItems({{39.0f, RunOn}, {5.0f, RunOn}});
    EXPECT_EQ(printedLines(surface), " 1  - \n\n 39  5 ")
        << "a blank line between printed lines stays, trailing blanks stay";
}

constexpr std::string_view english = "Combination %1: %2";

TEST_F(PrintSurfaceTest, EachPrintedLineIsSpokenByWhatItsItemsAre)
{
    using Statement = std::vector<PrintItem>;
    const std::string_view dash = " - ";
    const std::string_view caption = " KOMBINACIJA ";
    struct Row
    {
        const char* tag;
        std::vector<Statement> statements;
        std::string_view pattern;
        std::vector<std::string> spoken;
    };
    const Row rows[] = {
        {"a combination says its label, then its numbers",
         {{{std::int16_t{3}, RunOn}, {dash, RunOn}, {caption, RunOn}, {dash, RunOn}},
          {{5.0f, RunOn}},
          {{27.0f, RunOn}},
          {{{}, LineEnd}}},
         english,
         {"Combination 3: 5, 27"}},
        {"the caller's pattern says it, placeholders in any order",
         {{{std::int16_t{10}, RunOn}, {caption, RunOn}, {39.0f, LineEnd}}},
         "%2 (%1)",
         {"39 (10)"}},
        {"numbers alone are a list, blank lines say nothing",
         {{{{}, LineEnd}}, {{{}, LineEnd}}, {{39.0f, RunOn}}, {{5.0f, RunOn}}},
         english,
         {"39, 5"}},
        {"a text is its words without the staggering blanks",
         {{{std::string_view("                 VI SAMO  UPISITE "), LineEnd}},
          {{{}, LineEnd}},
          {{std::string_view(" SRECNO !!!"), LineEnd}}},
         english,
         {"VI SAMO UPISITE", "SRECNO !!!"}},
        {"a dash is not spoken, texts and numbers keep their order",
         {{{std::string_view("A"), RunOn}, {dash, RunOn}, {7.0f, RunOn}, {caption, LineEnd}}},
         english,
         {"A 7 KOMBINACIJA"}},
    };
    for (const Row& row : rows) {
        surface.clear();
        for (const Statement& statement : row.statements) {
            surface.print(statement);
        }
        EXPECT_EQ(surface.spoken().lines(row.pattern), row.spoken) << row.tag;
    }
}

// The numbers of a printed line, read back from its text.
std::vector<std::string> numbersIn(const std::string& line)
{
    std::vector<std::string> numbers;
    std::string number;
    for (const char c : line + ' ') {
        if (c >= '0' && c <= '9') {
            number += c;
        } else if (!number.empty()) {
            numbers.push_back(std::exchange(number, {}));
        }
    }
    return numbers;
}

TEST_F(PrintSurfaceTest, WhatIsSpokenAfterACommandIsWhatItPrinted)
{
    RandomSource source;
    showTenCombinations(surface, source);
    const std::vector<std::string> spoken = surface.spoken().lines(english);
    const auto lines = linesOf(surface);
    ASSERT_EQ(spoken.size(), lines.size());
    auto line = lines.begin();
    for (const std::string& said : spoken) {
        EXPECT_EQ(numbersIn(said), numbersIn(line->second)) << said;
        ++line;
    }
    EXPECT_EQ(spoken.front().rfind("Combination 1: ", 0), 0u) << spoken.front();

    showInstructions(surface);
    EXPECT_EQ(surface.spoken().lines(english),
              (std::vector<std::string>{"DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS",
                                        "VI SAMO UPISITE BROJEVE NA LISTIC", "I OBAVEZNO UPLATITE",
                                        "SRECNO !!!"}))
        << "the clear forgot the combinations";
}

} // namespace
