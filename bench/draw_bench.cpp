#include "DrawState.h"
#include "RandomSource.h"
#include "drawNumber.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>

namespace {

constexpr int numbersPerCombination = 7;

// Each keeps its generator across iterations, as the program keeps its one source, so an
// iteration pays for drawing and never for seeding.

// As the commands draw a combination: one loop for all seven numbers.
void combinationRule(benchmark::State& state)
{
    RandomSource source;
    for (auto _ : state) {
        DrawState draw;
        std::array<float, numbersPerCombination> numbers;
        benchmark::DoNotOptimize(drawNumbers(draw, source, numbers));
        benchmark::DoNotOptimize(numbers);
        benchmark::ClobberMemory();
    }
}

// What a C++ programmer would write without the program's rule: the standard engine and
// distribution, drawing again where a number is taken already, as the rule does.
void combinationStandard(benchmark::State& state)
{
    std::mt19937 engine;
    std::uniform_int_distribution<int> oneToThirtyNine(1, 39);
    for (auto _ : state) {
        std::uint64_t taken = 0;
        std::array<int, numbersPerCombination> numbers;
        for (int& number : numbers) {
            do {
                number = oneToThirtyNine(engine);
            } while ((taken & (std::uint64_t{1} << number)) != 0);
            taken |= std::uint64_t{1} << number;
        }
        benchmark::DoNotOptimize(numbers);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(combinationRule)->Name("combination/rule");
BENCHMARK(combinationStandard)->Name("combination/mt19937");
