#pragma once

#include "DrawError.h"
#include "DrawState.h"

#include <array>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>

// Anything that yields uniform values in [0, 1): the real generator, or a scripted
// sequence in the tests.
template <class Source>
concept ValueSource = requires(Source source)
{
    {
        source.nextValue()
        } -> std::same_as<float>;
};

// A source whose values are r = m * 2^-24 and that also hands out the m behind the next one,
// as the real generator does: the draw then forms its candidates with integers alone.
template <class Source>
concept BitsSource = ValueSource<Source> && requires(Source source)
{
    {
        source.nextBits24()
        } -> std::same_as<std::uint32_t>;
};

// floor(100 r) for r = m * 2^-24, exactly: 100 m stays below 2^31, and the shift is the floor
// of the exact quotient 100 m / 2^24.
constexpr unsigned candidateOfBits(std::uint32_t m)
{
    return (100u * m) >> 24;
}

namespace drawNumberDetail {

// What one attempt made of its one generator value: a candidate 0..99, or a fault.
struct Attempt
{
    unsigned candidate;
    bool fault;
};

// The mask keeps the candidate below 100 whatever the source; the real generator's value has
// 24 bits only, so it costs nothing there.
template <BitsSource Source> Attempt nextAttempt(Source& source)
{
    return {candidateOfBits(source.nextBits24() & 0xFFFFFFu), false};
}

// A source of floats alone (scripted values in the tests). A float times 100 is exact in
// double, so the candidate is floor(100 r). A value outside [0, 1) gives a candidate outside
// 0..99, which the rule rejects as it rejects 0; a non-finite product is a fault.
template <ValueSource Source> Attempt nextAttempt(Source& source)
{
    const double product = static_cast<double>(source.nextValue()) * 100.0;
    if (product >= 0 && product < 100) {
        return {static_cast<unsigned>(product), false};
    }
    return {0, !std::isfinite(product)};
}

// Bit n for each candidate n from 1 to 39, none for 0 and 40 to 99: the range test folds into
// the bit, and a load is cheaper than a shift by a variable amount (three micro-operations
// on x86 without BMI2).
inline constexpr auto bitOfCandidate = [] {
    std::array<std::uint64_t, 100> bits{};
    for (unsigned n = 1; n <= 39; ++n) {
        bits[n] = std::uint64_t{1} << n;
    }
    return bits;
}();

} // namespace drawNumberDetail

// Fills `numbers` with lottery numbers drawn by rejection: each attempt takes exactly one
// generator value, scales it to a candidate 0..99 and keeps it only if it is 1..39, differs
// from the previous number and is not yet in the current combination. The attempt decides
// with masks and conditional moves, not branches: whether a candidate is kept is a coin toss
// the processor cannot predict, and the loop's only branch is whether enough were kept.
// Returns how many it drew: all, unless a value faulted; those before the fault are kept.
template <ValueSource Source>
std::size_t drawNumbers(DrawState& state, Source& source, std::span<float> numbers)
{
    using namespace drawNumberDetail;
    std::uint64_t combination = state.combination;
    // What the next attempt rejects: the combination and the previous number. Once a number
    // is accepted it is both, so `blocked` becomes the combination.
    std::uint64_t blocked =
        combination | (std::uint64_t{1} << static_cast<unsigned>(state.previous.value_or(0)));
    std::size_t taken = 0;
    bool fault = false;
    while (taken < numbers.size() && !fault) {
        const Attempt attempt = nextAttempt(source);
        // The candidate's bit if it is accepted, else 0. Everything below follows from it by
        // arithmetic and one select: GCC turns two selects on one condition into a branch.
        const std::uint64_t acceptedBit = bitOfCandidate[attempt.candidate] & ~blocked;
        // Written on every attempt; only an accepted number moves on past it.
        numbers[taken] = static_cast<float>(attempt.candidate);
        taken += acceptedBit != 0;
        combination |= acceptedBit;
        blocked = acceptedBit != 0 ? combination : blocked;
        fault = attempt.fault;
    }
    state.combination = combination;
    if (taken > 0) {
        state.previous = numbers[taken - 1];
    }
    return taken;
}

// One number is a draw of one. Throws when the generator value faulted.
template <ValueSource Source> float drawNumber(DrawState& state, Source& source)
{
    float number = 0;
    if (drawNumbers(state, source, std::span(&number, 1)) == 0) {
        throw FloatingPointError();
    }
    return number;
}
