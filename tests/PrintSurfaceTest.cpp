#include "PrintSurface.h"

#include "RandomSource.h"
#include "drawCommands.h"
#include "support/FixedMeasure.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

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
    EXPECT_EQ(surface.runs()[1],
              (PrintedRun{" 5 ", 4 * FixedMeasure::charWidth, 0, 3 * FixedMeasure::charWidth}));
    EXPECT_EQ(surface.cursorX(), 7 * FixedMeasure::charWidth);
    EXPECT_EQ(surface.cursorY(), 0);
}

TEST_F(PrintSurfaceTest, LineEndReturnsToTheLeftEdgeOneLineDown)
{
    printItems({{std::string_view("AB"), RunOn}, {std::string_view("C"), LineEnd}});
    EXPECT_EQ(surface.cursorX(), 0);
    EXPECT_EQ(surface.cursorY(), FixedMeasure::line);
    printItems({{std::string_view("D"), LineEnd}});
    EXPECT_EQ(surface.runs().back(), (PrintedRun{"D", 0, FixedMeasure::line, 180, 2}));
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
    for (const auto& [line, runs] : runsByLine(surface)) {
        EXPECT_EQ(runs.front()->y, (line - 1) * surface.lineHeight()) << "line " << line;
        for (const PrintedRun* run : runs) {
            lines[run->y] += run->text;
        }
    }
    return lines;
}

TEST_F(PrintSurfaceTest, CommandsPrintTheirNumbersFromTheFifthLine)
{
    RandomSource source;
    showOneCombination(surface, source);
    auto lines = linesOf(surface);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines.begin()->first, 4 * FixedMeasure::line);
    EXPECT_EQ(surface.cursorY(), 4 * FixedMeasure::line) << "the line stays open";
    EXPECT_GT(surface.cursorX(), 0);

    showTenCombinations(surface, source);
    lines = linesOf(surface);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.begin()->first, 4 * FixedMeasure::line);
    EXPECT_EQ(lines.rbegin()->first, 13 * FixedMeasure::line) << "the tenth line is the 14th";
    EXPECT_EQ(lines.begin()->second.substr(0, 22), " 1  -  KOMBINACIJA  - ");
    EXPECT_EQ(lines.rbegin()->second.substr(0, 23), " 10  -  KOMBINACIJA  - ");
    EXPECT_EQ(surface.cursorX(), 0);
    EXPECT_EQ(surface.cursorY(), 14 * FixedMeasure::line);
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

} // namespace
