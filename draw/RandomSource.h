#pragma once

#include <cstdint>
#include <pcg_random.hpp>

// The process's one generator. It is never seeded: every run of the program starts
// from the same state, so the same button presses after start-up give the same numbers.
class RandomSource
{
public:
    // r = m * 2^-24 with m the generator's top 24 bits: a float holds every such value
    // exactly, so 0 <= r < 1 and 1.0 can never come out through rounding.
    float nextValue() { return static_cast<float>(nextBits24()) * 0x1p-24f; }

    // The m behind the next value, for the draw: it scales m with integers alone.
    std::uint32_t nextBits24() { return nextRaw() >> 8; }

    // The generator's raw 32-bit output, for tools that test its statistics.
    std::uint32_t nextRaw() { return engine_(); }

private:
    // pcg32 in its default state: small, fast, and passes BigCrush.
    pcg32 engine_;
};
