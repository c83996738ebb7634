#include "MonkeyOutputChecks.h"

#include "showInstructions.h"

#include <algorithm>
#include <charconv>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <system_error>

namespace monkey {

namespace {

// Drawn numbers: whole, 1 to 39, none repeated within a combination, none the same as
// the number printed just before it, also across a line end.
void checkDrawn(const std::vector<const PrintedRun*>& runs, int& previous)
{
    std::set<int> combination;
    for (const PrintedRun* run : runs) {
        int number = 0;
        ASSERT_TRUE(readNumber(run->text, number)) << '"' << run->text << "\" is no number";
        EXPECT_TRUE(number >= 1 && number <= 39) << number << " is outside 1..39";
        EXPECT_TRUE(combination.insert(number).second) << number << " twice in a combination";
        EXPECT_NE(number, previous) << number << " right after itself";
        previous = number;
    }
}

} // namespace

bool readNumber(const std::string& text, int& number)
{
    if (text.size() < 3 || text.front() != ' ' || text.back() != ' ') {
        return false;
    }
    const char* first = text.data() + 1;
    const char* last = text.data() + text.size() - 1;
    const auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc() && end == last &&
           std::to_string(number) == std::string(first, last);
}

std::string describe(const PrintedRun& run)
{
    std::ostringstream out;
    out << '"' << run.text << "\" at x=" << run.x << " y=" << run.y << " width=" << run.width;
    return out.str();
}

std::string differenceBetween(const std::vector<PrintedRun>& shown,
                              const std::vector<PrintedRun>& wanted)
{
    for (std::size_t i = 0; i < std::min(shown.size(), wanted.size()); ++i) {
        if (!(shown[i] == wanted[i])) {
            return "run " + std::to_string(i) + " is " + describe(shown[i]) + ", not " +
                   describe(wanted[i]);
        }
    }
    if (shown.size() != wanted.size()) {
        return std::to_string(shown.size()) + " runs printed, not " + std::to_string(wanted.size());
    }
    return {};
}

std::map<int, std::vector<const PrintedRun*>> checkedRunsByLine(const PrintSurface& surface)
{
    std::map<int, std::vector<const PrintedRun*>> byLine;
    for (const PrintedRun& run : surface.runs()) {
        byLine[run.line].push_back(&run);
    }
    for (const auto& [line, runs] : byLine) {
        const PrintedRun* before = nullptr;
        for (const PrintedRun* run : runs) {
            EXPECT_NEAR(run->y, (line - 1) * surface.lineHeight(), 1e-6)
                << "\"" << run->text << "\" stands off line " << line;
            if (before == nullptr) {
                EXPECT_EQ(run->x, 0) << "\"" << run->text << "\" does not start line " << line;
            } else {
                EXPECT_GT(run->x, before->x)
                    << "\"" << run->text << "\" is printed over \"" << before->text << '"';
            }
            before = run;
        }
    }
    return byLine;
}

void checkShown(const PrintSurface& surface, Shown shown)
{
    const auto byLine = checkedRunsByLine(surface);
    int previous = 0;
    switch (shown) {
    case Shown::Nothing:
        EXPECT_TRUE(byLine.empty());
        break;
    case Shown::TenCombinations: {
        ASSERT_EQ(byLine.size(), 10u);
        EXPECT_EQ(byLine.begin()->first, 5);
        EXPECT_EQ(byLine.rbegin()->first, 14);
        int label = 1;
        for (const auto& [line, runs] : byLine) {
            SCOPED_TRACE("combination " + std::to_string(label));
            ASSERT_EQ(runs.size(), 11u) << "on line " << line;
            EXPECT_EQ(runs[0]->text, ' ' + std::to_string(label) + ' ');
            EXPECT_EQ(runs[1]->text, " - ");
            EXPECT_EQ(runs[2]->text, " KOMBINACIJA ");
            EXPECT_EQ(runs[3]->text, " - ");
            checkDrawn({runs.begin() + 4, runs.end()}, previous);
            ++label;
        }
        break;
    }
    case Shown::OneCombination:
        ASSERT_EQ(byLine.size(), 1u);
        EXPECT_EQ(byLine.begin()->first, 5);
        ASSERT_EQ(byLine.begin()->second.size(), 7u);
        checkDrawn(byLine.begin()->second, previous);
        break;
    case Shown::OneNumber:
        ASSERT_EQ(byLine.size(), 1u);
        EXPECT_EQ(byLine.begin()->first, 5);
        ASSERT_EQ(byLine.begin()->second.size(), 1u);
        checkDrawn(byLine.begin()->second, previous);
        break;
    case Shown::Instructions: {
        std::map<int, std::string> read;
        for (const auto& [line, runs] : byLine) {
            for (const PrintedRun* run : runs) {
                read[line] += run->text;
            }
        }
        const std::map<int, std::string> expected = {
            {8, std::string(instructionLines[0])},
            {9, std::string(instructionLines[1])},
            {10, std::string(instructionLines[2])},
            {11, std::string(instructionLines[3])},
        };
        EXPECT_EQ(read, expected);
        EXPECT_EQ(surface.runs().size(), 4u);
        break;
    }
    }
}

} // namespace monkey
