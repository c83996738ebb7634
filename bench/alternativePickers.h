#pragma once

#include <cstdint>
#include <pcg_random.hpp>
#include <random>

// Both pickers mark the numbers they may not return in `taken` (bit n for number n) and
// redraw until they hit a free one, as drawNumber does with its combination and previous
// number, so a comparison differs only in how a value in 1..39 is made.

// What a C++ programmer would write without the program's rule: the standard engine and
// distribution.
class StandardPicker
{
public:
    int pick(std::uint64_t& taken)
    {
        for (;;) {
            const int number = oneToThirtyNine_(engine_);
            const std::uint64_t bit = std::uint64_t{1} << number;
            if ((taken & bit) == 0) {
                taken |= bit;
                return number;
            }
        }
    }

private:
    std::mt19937 engine_;
    std::uniform_int_distribution<int> oneToThirtyNine_{1, 39};
};

// Lemire, "Fast Random Integer Generation in an Interval" (2019): one multiplication per
// value, and a division only when the low half lands where it could bias the result.
inline std::uint32_t boundedBelow(pcg32& engine, std::uint32_t bound)
{
    std::uint64_t product = std::uint64_t{engine()} * bound;
    auto low = static_cast<std::uint32_t>(product);
    if (low < bound) {
        const std::uint32_t biasedBelow = (0u - bound) % bound;
        while (low < biasedBelow) {
            product = std::uint64_t{engine()} * bound;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

// The floor for any picker over the program's generator: no value is thrown away for
// being out of range, only for being taken.
class LemirePicker
{
public:
    int pick(std::uint64_t& taken)
    {
        for (;;) {
            const int number = 1 + static_cast<int>(boundedBelow(engine_, 39));
            const std::uint64_t bit = std::uint64_t{1} << number;
            if ((taken & bit) == 0) {
                taken |= bit;
                return number;
            }
        }
    }

private:
    pcg32 engine_;
};
