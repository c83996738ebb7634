#include "drawNumber.h"

#include "RandomSource.h"
#include "support/ScriptedSource.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

// The smallest float not below x: generator values are floats, so "r = 0.01" means this.
float floatAtLeast(double x)
{
    float f = static_cast<float>(x);
    if (static_cast<double>(f) < x) {
        f = std::nextafter(f, 2.0f);
    }
    return f;
}

float floatBelow(double x)
{
    return std::nextafter(floatAtLeast(x), -1.0f);
}

struct CandidateRow
{
    const char* tag;
    float r;
    bool accepted;
    float number; // meaningful when accepted
};

// Each row is drawn first, followed by a value that is certainly accepted (20): a rejected
// row shows up as 20 after two values, an accepted one as its own number after one.
TEST(DrawNumber, ScalesEachValueToItsCandidateAndKeepsOnly1To39)
{
    const CandidateRow rows[] = {
        {"zero is rejected", 0.0f, false, 0},
        {"just below 0.01 gives 0, rejected", floatBelow(0.01), false, 0},
        {"0.01 gives 1", floatAtLeast(0.01), true, 1},
        {"0.39 gives 39", floatAtLeast(0.39), true, 39},
        {"just below 0.40 still gives 39", floatBelow(0.40), true, 39},
        {"0.40 gives 40, rejected", floatAtLeast(0.40), false, 0},
        {"largest value below 1 gives 99, rejected", floatBelow(1.0), false, 0},
        {"a middle value", 0.1234f, true, 12},
    };
    const float fallback = valueFor(20);
    for (const CandidateRow& row : rows) {
        SCOPED_TRACE(row.tag);
        ScriptedSource source({row.r, fallback});
        DrawState state;
        const float number = drawNumber(state, source);
        EXPECT_EQ(number, row.accepted ? row.number : 20.0f);
        EXPECT_EQ(source.consumed(), row.accepted ? 1u : 2u);
        EXPECT_EQ(state.previous, number);
    }
}

TEST(DrawNumber, RejectsThePreviousNumberUntilAnotherWasAccepted)
{
    DrawState state;
    state.accept(17);
    state.startCombination(); // 17 ended the last line; the new line must not start with it

    ScriptedSource source({valueFor(17), valueFor(18), valueFor(17)});
    EXPECT_EQ(drawNumber(state, source), 18.0f);
    EXPECT_EQ(source.consumed(), 2u);
    EXPECT_EQ(drawNumber(state, source), 17.0f) << "17 is allowed again once 18 came between";
}

TEST(DrawNumber, ANonFiniteProductIsAFloatingPointError)
{
    const float faults[] = {std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity()};
    for (float r : faults) {
        SCOPED_TRACE(r);
        ScriptedSource source({r, valueFor(3)});
        DrawState state;
        EXPECT_THROW(drawNumber(state, source), FloatingPointError);
        EXPECT_EQ(source.consumed(), 1u);
        EXPECT_EQ(state.previous, std::nullopt) << "a failed draw accepts nothing";
    }
}

TEST(DrawNumber, TheIntegerCandidateIsFloorOf100TimesEveryPossibleGeneratorValue)
{
    // The generator yields m / 2^24 for every m below 2^24; try them all.
    std::array<std::uint32_t, 100> valuesPerCandidate{};
    for (std::uint32_t m = 0; m < (1u << 24); ++m) {
        const unsigned candidate = candidateOfBits(m);
        ASSERT_EQ(candidate, std::floor(100.0 * std::ldexp(static_cast<float>(m), -24))) << m;
        ++valuesPerCandidate.at(candidate);
    }
    for (int k = 0; k < 100; ++k) {
        // 2^24 / 100 = 167772.16: each candidate's interval holds 167772 or 167773 values.
        EXPECT_GE(valuesPerCandidate[k], 167772u) << k;
        EXPECT_LE(valuesPerCandidate[k], 167773u) << k;
    }
}

// The rule as it reads, one step after another, apart from the draw so each checks the other.
template <class Source>
float referenceDraw(Source& source, float& previous, std::vector<float>& line)
{
    for (;;) {
        const auto candidate = static_cast<float>(std::floor(100.0 * source.nextValue()));
        if (candidate >= 1 && candidate <= 39 && candidate != previous &&
            std::find(line.begin(), line.end(), candidate) == line.end()) {
            line.push_back(previous = candidate);
            return candidate;
        }
    }
}

// Presses of ten lines of seven, each line drawn in two calls split anywhere (one number is a
// draw of one, none a draw of none), against the rule step by step over the same values.
template <class Source> void expectTheRuleStepByStep(Source production, Source reference, int lines)
{
    DrawState state;
    float previous = 0;
    for (int n = 0; n < lines; ++n) {
        if (n % 10 == 0) {
            state = {};
            previous = 0;
        }
        state.startCombination();
        std::vector<float> line;
        std::array<float, 7> numbers;
        const std::size_t split = n % 8;
        ASSERT_EQ(drawNumbers(state, production, std::span(numbers).first(split)), split);
        ASSERT_EQ(drawNumbers(state, production, std::span(numbers).subspan(split)), 7 - split);
        for (float number : numbers) {
            ASSERT_EQ(number, referenceDraw(reference, previous, line)) << "line " << n;
        }
    }
    EXPECT_EQ(production.nextValue(), reference.nextValue()) << "both took as many values";
}

// Scripted values m * 2^-24, handed to the draw as the real generator hands them.
struct ScriptedBits : ScriptedSource
{
    using ScriptedSource::ScriptedSource;
    std::uint32_t nextBits24() { return static_cast<std::uint32_t>(nextValue() * 0x1p24f); }
};

TEST(DrawNumber, DrawsWhatTheRuleStepByStepDrawsFromTheGeneratorAndAtTheEdgesOfEveryCandidate)
{
    expectTheRuleStepByStep(RandomSource(), RandomSource(), 1'000'000);

    // The first m of a candidate k, ceil(k 2^24 / 100), or the last m of k - 1, just below.
    std::minstd_rand pick;
    std::vector<float> edges;
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t below = pick() % 2, k = pick() % 100 + below;
        edges.push_back(std::ldexp(static_cast<float>((k * (1u << 24) + 99) / 100 - below), -24));
    }
    expectTheRuleStepByStep(ScriptedBits(edges), ScriptedBits(edges), 500);
}

} // namespace
