#pragma once

#include "DrawState.h"

#include <cmath>
#include <concepts>
#include <stdexcept>

// Anything that yields uniform values in [0, 1): the real generator, or a scripted
// sequence in the tests.
template <class Source>
concept ValueSource = requires(Source source)
{
    {
        source.nextValue()
        } -> std::same_as<float>;
};

class FloatingPointError : public std::runtime_error
{
public:
    FloatingPointError() : std::runtime_error("Floating-point error while drawing a number.") {}
};

inline constexpr float smallestNumber = 1;
inline constexpr float largestNumber = 39;

// A float times 100 is exact in double, so the candidate is exactly floor(100 r), 0..99
// for r in [0, 1). Throws when the product is not finite (a scripted NaN or infinity).
inline float candidateOf(float r)
{
    const double product = static_cast<double>(r) * 100.0;
    if (!std::isfinite(product)) {
        throw FloatingPointError();
    }
    return static_cast<float>(std::floor(product));
}

// Draws one lottery number by rejection: each attempt takes exactly one generator value,
// scales it to a candidate 0..99 and drops it unless it is 1..39, differs from the
// previous number and is not yet in the current combination. A template rather than a
// virtual source so the attempt loop stays a handful of instructions.
template <ValueSource Source> float drawNumber(DrawState& state, Source& source)
{
    for (;;) {
        const float candidate = candidateOf(source.nextValue());
        if (candidate == state.previous) {
            continue;
        }
        if (candidate > largestNumber) {
            continue;
        }
        if (candidate < smallestNumber) {
            continue;
        }
        if (state.holds(candidate)) {
            continue;
        }
        state.accept(candidate);
        return candidate;
    }
}
