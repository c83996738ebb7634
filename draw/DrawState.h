#pragma once

#include <cstdint>
#include <optional>

// What one command run remembers between its draws.
struct DrawState
{
    // The number accepted last in this run; empty at the start of the run (the draw then
    // rules out 0, which it rejects anyway).
    std::optional<float> previous;

    // Bit n set: n already stands in the current combination. A lottery ticket cannot
    // carry a number twice, so the draw rejects these as well as the previous number.
    std::uint64_t combination = 0;

    // A new combination forgets its numbers but keeps `previous`, so the first number
    // of a line still differs from the last number of the line before.
    void startCombination() { combination = 0; }

    void accept(float number)
    {
        previous = number;
        combination |= std::uint64_t{1} << bitOf(number);
    }

private:
    // Only called with accepted candidates, 1 to 39.
    static unsigned bitOf(float number) { return static_cast<unsigned>(number); }
};
