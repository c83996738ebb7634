#include "drawCommands.h"

#include "RandomSource.h"
#include "support/RecordingTarget.h"
#include "support/ScriptedSource.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<RecordedStatement> header()
{
    return {clearMark, blankLine, blankLine, blankLine, blankLine};
}

TEST(DrawCommands, OneNumberPrintsClearFourBlankLinesAndTheNumberWithTheLineOpen)
{
    RecordingTarget target;
    ScriptedSource source({valueFor(0), valueFor(72), valueFor(7)});
    showOneNumber(target, source);

    auto expected = header();
    expected.push_back(numberRunOn(7));
    EXPECT_EQ(target.statements, expected);
    EXPECT_EQ(source.consumed(), 3u);
}

TEST(DrawCommands, OneCombinationPrintsSevenDistinctNumbersWithTheLineOpen)
{
    RecordingTarget target;
    // 3 twice in a row, then 3 again two places later: both are dropped.
    ScriptedSource source({valueFor(3), valueFor(3), valueFor(11), valueFor(3), valueFor(38),
                           valueFor(1), valueFor(39), valueFor(24), valueFor(16)});
    showOneCombination(target, source);

    auto expected = header();
    for (float n : {3, 11, 38, 1, 39, 24, 16}) {
        expected.push_back(numberRunOn(n));
    }
    EXPECT_EQ(target.statements, expected);
    EXPECT_EQ(source.consumed(), 9u);
}

TEST(DrawCommands, TenCombinationsPrintNumberedLinesAndKeepThePreviousNumberAcrossLineEnds)
{
    // Candidates 1, 2, ... 39, 1, 2, ...: each line takes the next seven. Line 6 ends with 3
    // (after 39, 1, 2), and line 7 is scripted to start with 3 again, which must be dropped.
    std::vector<float> values;
    std::vector<float> expectedNumbers;
    int next = 1;
    for (int i = 0; i < 70; ++i) {
        if (i == 42) {
            values.push_back(valueFor(expectedNumbers.back()));
        }
        values.push_back(valueFor(next));
        expectedNumbers.push_back(static_cast<float>(next));
        next = next % 39 + 1;
    }
    ASSERT_EQ(expectedNumbers[41], 3.0f);
    ASSERT_EQ(expectedNumbers[42], 4.0f);

    RecordingTarget target;
    ScriptedSource source(values);
    showTenCombinations(target, source);

    auto expected = header();
    for (std::int16_t line = 1; line <= 10; ++line) {
        expected.push_back(lineLabel(line));
        for (int j = 0; j < 7; ++j) {
            expected.push_back(numberRunOn(expectedNumbers[(line - 1) * 7 + j]));
        }
        expected.push_back(blankLine);
    }
    EXPECT_EQ(target.statements, expected);
    EXPECT_EQ(source.consumed(), 71u);
}

TEST(DrawCommands, ACommandStopsWhereTheDrawFails)
{
    RecordingTarget target;
    ScriptedSource source({valueFor(5), std::numeric_limits<float>::quiet_NaN()});
    EXPECT_THROW(showOneCombination(target, source), FloatingPointError);
    auto expected = header();
    expected.push_back(numberRunOn(5));
    EXPECT_EQ(target.statements, expected) << "what was printed before the fault stays";
}

struct FailingClear
{
    int printed = 0;
    void clear() { throw std::runtime_error("cannot clear"); }
    void print(PrintStatement) { ++printed; }
};

TEST(DrawCommands, AFailedClearPrintsNothing)
{
    FailingClear target;
    RandomSource source;
    EXPECT_THROW(showTenCombinations(target, source), std::runtime_error);
    EXPECT_THROW(showOneNumber(target, source), std::runtime_error);
    EXPECT_EQ(target.printed, 0);
}

std::vector<float> drawnNumbers(const std::vector<RecordedStatement>& statements)
{
    std::vector<float> numbers;
    for (const RecordedStatement& statement : statements) {
        for (const RecordedItem& item : statement) {
            if (const float* n = std::get_if<float>(&item.value)) {
                numbers.push_back(*n);
            }
        }
    }
    return numbers;
}

// Each press draws from a fresh state: its first number may be the last of the press before
// (about one press in 39), which a state kept from press to press would refuse.
TEST(DrawCommands, EachPressStartsAfresh)
{
    RandomSource source;
    const struct
    {
        const char* tag;
        std::function<void(RecordingTarget&)> press;
    } commands[] = {
        {"KOMPJUTER", [&](RecordingTarget& target) { showTenCombinations(target, source); }},
        {"KOMBINACIJA", [&](RecordingTarget& target) { showOneCombination(target, source); }},
        {"BROJ", [&](RecordingTarget& target) { showOneNumber(target, source); }},
    };
    for (const auto& command : commands) {
        int repeats = 0;
        float last = 0;
        for (int press = 0; press < 1000; ++press) {
            RecordingTarget target;
            command.press(target);
            const std::vector<float> numbers = drawnNumbers(target.statements);
            repeats += numbers.front() == last;
            last = numbers.back();
        }
        EXPECT_GT(repeats, 0) << command.tag;
    }
}

// Every run of the program gives the same numbers for the same presses: these are the
// first ones after start-up. If they change, every user's sequence has changed.
TEST(DrawCommands, TheFirstPressesAfterStartUpAlwaysGiveTheSameNumbers)
{
    RandomSource source;
    RecordingTarget combination;
    showOneCombination(combination, source);
    RecordingTarget ten;
    showTenCombinations(ten, source);
    RecordingTarget single;
    showOneNumber(single, source);

    const std::vector<float> pinnedCombination = {15, 9, 5, 30, 39, 33, 28};
    const std::vector<float> pinnedFirstLines = {21, 6, 27, 23, 15, 8,  22, //
                                                 9,  6, 10, 7,  11, 28, 4};
    const std::vector<float> pinnedNumber = {22};
    EXPECT_EQ(drawnNumbers(combination.statements), pinnedCombination);
    const std::vector<float> tenNumbers = drawnNumbers(ten.statements);
    EXPECT_EQ(std::vector<float>(tenNumbers.begin(), tenNumbers.begin() + 14), pinnedFirstLines);
    EXPECT_EQ(drawnNumbers(single.statements), pinnedNumber);
}

} // namespace
