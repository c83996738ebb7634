// Are the numbers the program prints as random as a fair draw? Pearson's chi-square over
// numbers from the real generator driven through the real commands. The generator is never
// seeded, so every run sees the same numbers and a pass or failure is reproducible.

#include "RandomSource.h"
#include "drawCommands.h"

#include <array>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int numbers = 39;
constexpr int positions = 7;
// A cell past the last number collects anything that is not a number 1..39.
constexpr int cells = numbers + 1;

// Each check raises a false alarm with this probability (its threshold is the chi-square
// quantile that Boost.Math gives for it); one run makes 14 checks (the first numbers of
// KOMPJUTER lines, 7 positions, 6 pairs of neighbours), so a correct generator fails a run
// with probability below 1.4e-7.
constexpr double falseAlarm = 1e-8;

constexpr std::uint64_t defaultSampleNumbers = 10'000'000;

std::uint64_t sampleNumbers()
{
    const char* text = std::getenv("KRIMVEL_STATS_NUMBERS");
    if (text == nullptr) {
        return defaultSampleNumbers;
    }
    char* end = nullptr;
    const std::uint64_t count = std::strtoull(text, &end, 10);
    // Too few numbers leave cells with expected counts where chi-square is no approximation.
    if (*end != '\0' || count < 100'000) {
        throw std::invalid_argument("KRIMVEL_STATS_NUMBERS must be a whole number >= 100000");
    }
    return count;
}

struct Verdict
{
    std::string what;
    double statistic;
    int dof;
    double threshold;
    double pValue;
    bool uniform() const { return statistic < threshold; }
};

std::ostream& operator<<(std::ostream& out, const Verdict& v)
{
    return out << v.what << ": chi2 = " << v.statistic << ", dof = " << v.dof
               << ", threshold = " << v.threshold << " (p = " << falseAlarm
               << "), p-value = " << v.pValue;
}

// Pearson's statistic against equal expected counts in every cell. Positively correlated
// samples widen each count's spread by `varianceFactor`; dividing by it gives back the
// chi-square distribution.
Verdict uniformity(std::string what, std::span<const std::uint64_t> counts,
                   double varianceFactor = 1)
{
    double total = 0;
    for (std::uint64_t count : counts) {
        total += static_cast<double>(count);
    }
    const double expected = total / static_cast<double>(counts.size());
    double statistic = 0;
    for (std::uint64_t count : counts) {
        const double deviation = static_cast<double>(count) - expected;
        statistic += deviation * deviation / expected;
    }
    statistic /= varianceFactor;
    const int dof = static_cast<int>(counts.size()) - 1;
    const boost::math::chi_squared distribution(dof);
    return {std::move(what), statistic, dof, quantile(complement(distribution, falseAlarm)),
            cdf(complement(distribution, statistic))};
}

void expectUniform(const Verdict& verdict)
{
    std::cout << "[ chi2     ] " << verdict << std::endl;
    EXPECT_TRUE(verdict.uniform()) << verdict;
}

std::size_t cellOf(float number)
{
    const bool valid = number >= 1 && number <= numbers && number == std::floor(number);
    return valid ? static_cast<std::size_t>(number) - 1 : numbers;
}

// Keeps a command's drawn numbers and ignores its labels and blank lines.
struct NumberTarget
{
    std::vector<float> drawn;
    void clear() { drawn.clear(); }
    void print(PrintStatement statement)
    {
        for (const PrintItem& item : statement) {
            if (const float* number = std::get_if<float>(&item.value)) {
                drawn.push_back(*number);
            }
        }
    }
};

// The first number of each KOMPJUTER line. Lines 2 to 10 cannot start with the number that
// ended the line before, yet every line is still a uniform ordered choice of 7 numbers, so
// each first number is uniform over 1..39. Successive first numbers are not independent: F'
// follows F through the last number L of F's line (uniform over the 38 others) and is uniform
// over the 38 numbers other than L, so P(F' = F) = 1/38. That is a chain whose transition
// matrix has eigenvalue lambda = 1/38 - 37/38^2 = 1/38^2 on every non-constant direction,
// which widens the spread of a press's counts by (10 + 2 sum_m (10 - m) lambda^m) / 10.
template <ValueSource Source> Verdict firstNumbersOfKompjuterLines(Source& source, std::uint64_t n)
{
    constexpr int lines = 10;
    std::array<std::uint64_t, cells> counts{};
    NumberTarget target;
    for (std::uint64_t press = 0; press < n / (lines * positions); ++press) {
        showTenCombinations(target, source);
        for (int line = 0; line < lines; ++line) {
            ++counts[cellOf(target.drawn.at(line * positions))];
        }
    }
    EXPECT_EQ(counts[numbers], 0u) << "first numbers outside 1..39";
    const double lambda = 1.0 / (38.0 * 38.0);
    double spread = lines;
    for (int m = 1; m < lines; ++m) {
        spread += 2 * (lines - m) * std::pow(lambda, m);
    }
    return uniformity("first number of each KOMPJUTER line", std::span(counts).first(numbers),
                      spread / lines);
}

// Fresh combinations (KOMBINACIJA) are independent, and each is a uniform ordered choice of 7
// numbers: every position is uniform over 1..39, and every pair of neighbours uniform over
// the 39 * 38 ordered pairs of different numbers.
template <ValueSource Source>
std::vector<Verdict> positionsAndPairsOfCombinations(Source& source, std::uint64_t n)
{
    std::vector<std::array<std::uint64_t, cells>> atPosition(positions);
    std::vector<std::array<std::uint64_t, cells * cells>> pairAt(positions - 1);
    NumberTarget target;
    for (std::uint64_t combination = 0; combination < n / positions; ++combination) {
        showOneCombination(target, source);
        std::size_t before = 0;
        for (int p = 0; p < positions; ++p) {
            const std::size_t cell = cellOf(target.drawn.at(p));
            ++atPosition[p][cell];
            if (p > 0) {
                ++pairAt[p - 1][before * cells + cell];
            }
            before = cell;
        }
    }
    std::vector<Verdict> verdicts;
    for (int p = 0; p < positions; ++p) {
        EXPECT_EQ(atPosition[p][numbers], 0u) << "numbers outside 1..39 at position " << p + 1;
        verdicts.push_back(uniformity("position " + std::to_string(p + 1),
                                      std::span(atPosition[p]).first(numbers)));
    }
    for (int p = 0; p + 1 < positions; ++p) {
        std::vector<std::uint64_t> different;
        for (int a = 0; a < numbers; ++a) {
            for (int b = 0; b < numbers; ++b) {
                if (a != b) {
                    different.push_back(pairAt[p][a * cells + b]);
                } else {
                    EXPECT_EQ(pairAt[p][a * cells + b], 0u) << a + 1 << " twice in a row";
                }
            }
        }
        verdicts.push_back(
            uniformity("pairs at positions " + std::to_string(p + 1) + "-" + std::to_string(p + 2),
                       different));
    }
    return verdicts;
}

TEST(Statistics, FirstNumbersOfKompjuterLinesAreUniform)
{
    RandomSource source;
    expectUniform(firstNumbersOfKompjuterLines(source, sampleNumbers()));
}

TEST(Statistics, EveryPositionAndEveryPairOfNeighboursInACombinationIsUniform)
{
    RandomSource source;
    for (const Verdict& verdict : positionsAndPairsOfCombinations(source, sampleNumbers())) {
        expectUniform(verdict);
    }
}

// Faulty sources through the same draw and checks, with a tenth of the default sample: the
// checks must reject them, or they would pass anything.
constexpr std::uint64_t faultSampleNumbers = defaultSampleNumbers / 10;

// Only the top 8 bits: candidates 1..39 come from 100 of the 256 values, two or three each.
struct EightBitSource
{
    RandomSource source;
    float nextValue() { return static_cast<float>(source.nextRaw() >> 24) * 0x1p-8f; }
};

// Evenly spread over [0, 1) but each value a fixed step from the one before.
struct SteppingSource
{
    float value = 0;
    float nextValue()
    {
        value += 0.618034f;
        value -= value >= 1 ? 1 : 0;
        return value;
    }
};

void expectRejected(const Verdict& verdict)
{
    std::cout << "[ fault    ] " << verdict << std::endl;
    EXPECT_FALSE(verdict.uniform()) << verdict;
}

TEST(Statistics, TheChecksRejectFaultyGenerators)
{
    EightBitSource coarse;
    expectRejected(firstNumbersOfKompjuterLines(coarse, faultSampleNumbers));
    const std::vector<Verdict> coarseVerdicts =
        positionsAndPairsOfCombinations(coarse, faultSampleNumbers);
    for (int p = 0; p < positions; ++p) {
        expectRejected(coarseVerdicts[p]);
    }
    SteppingSource stepping;
    const std::vector<Verdict> steppingVerdicts =
        positionsAndPairsOfCombinations(stepping, faultSampleNumbers);
    for (std::size_t p = positions; p < steppingVerdicts.size(); ++p) {
        expectRejected(steppingVerdicts[p]);
    }
}

} // namespace
