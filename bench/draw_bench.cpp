#include "DrawState.h"
#include "FixedMeasure.h"
#include "PrintSurface.h"
#include "RandomSource.h"
#include "alternativePickers.h"
#include "drawCommands.h"
#include "drawNumber.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

constexpr int numbersPerCombination = 7;

// Every picker keeps its generator across iterations, as the program keeps its one source,
// so an iteration pays for drawing and never for seeding.

void numberFreshRule(benchmark::State& state)
{
    RandomSource source;
    for (auto _ : state) {
        DrawState draw;
        benchmark::DoNotOptimize(drawNumber(draw, source));
    }
}

template <class Picker> void numberFreshAlternative(benchmark::State& state)
{
    Picker picker;
    for (auto _ : state) {
        std::uint64_t taken = 0;
        benchmark::DoNotOptimize(picker.pick(taken));
    }
}

// A stream of single numbers, each differing from the one before: only the previous
// number is ruled out.
void numberSteadyRule(benchmark::State& state)
{
    RandomSource source;
    DrawState draw;
    for (auto _ : state) {
        draw.startCombination();
        benchmark::DoNotOptimize(drawNumber(draw, source));
    }
}

template <class Picker> void numberSteadyAlternative(benchmark::State& state)
{
    Picker picker;
    int previous = 0;
    for (auto _ : state) {
        std::uint64_t taken = std::uint64_t{1} << previous;
        previous = picker.pick(taken);
        benchmark::DoNotOptimize(previous);
    }
}

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

// The floor for the rule: only the generator values a combination takes, and nothing done
// with them. A fresh combination takes 100/39 + 100/38 + ... + 100/33 = 19.5 on average, so
// the iterations take 19 and 20 in turn.
void combinationValuesOnly(benchmark::State& state)
{
    RandomSource source;
    int values = 19;
    for (auto _ : state) {
        std::uint32_t mixed = 0;
        for (int n = 0; n < values; ++n) {
            mixed ^= source.nextBits24();
        }
        benchmark::DoNotOptimize(mixed);
        values ^= 19 ^ 20;
    }
}

template <class Picker> void combinationAlternative(benchmark::State& state)
{
    Picker picker;
    for (auto _ : state) {
        std::uint64_t taken = 0;
        std::array<int, numbersPerCombination> numbers;
        for (int& number : numbers) {
            number = picker.pick(taken);
        }
        benchmark::DoNotOptimize(numbers);
        benchmark::ClobberMemory();
    }
}

// A whole button press minus the painting: clear, draw, lay the text out. The surface is
// reused, as the window reuses its own.
template <void (*command)(PrintSurface&, RandomSource&)>
void commandOntoSurface(benchmark::State& state)
{
    const FixedMeasure measure;
    PrintSurface surface(measure);
    RandomSource source;
    for (auto _ : state) {
        command(surface, source);
        benchmark::DoNotOptimize(surface.runs().data());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(numberFreshRule)->Name("number/fresh/rule");
BENCHMARK(numberFreshAlternative<StandardPicker>)->Name("number/fresh/mt19937");
BENCHMARK(numberFreshAlternative<LemirePicker>)->Name("number/fresh/lemire");

BENCHMARK(numberSteadyRule)->Name("number/steady/rule");
BENCHMARK(numberSteadyAlternative<StandardPicker>)->Name("number/steady/mt19937");
BENCHMARK(numberSteadyAlternative<LemirePicker>)->Name("number/steady/lemire");

BENCHMARK(combinationRule)->Name("combination/rule");
BENCHMARK(combinationAlternative<StandardPicker>)->Name("combination/mt19937");
BENCHMARK(combinationAlternative<LemirePicker>)->Name("combination/lemire");
BENCHMARK(combinationValuesOnly)->Name("combination/values-only");

BENCHMARK(commandOntoSurface<showTenCombinations<PrintSurface, RandomSource>>)
    ->Name("command/showTenCombinations");
BENCHMARK(commandOntoSurface<showOneCombination<PrintSurface, RandomSource>>)
    ->Name("command/showOneCombination");
BENCHMARK(commandOntoSurface<showOneNumber<PrintSurface, RandomSource>>)
    ->Name("command/showOneNumber");
