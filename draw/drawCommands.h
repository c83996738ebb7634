#pragma once

#include "PrintItem.h"
#include "drawNumber.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>

// Where the commands print: the window's PrintSurface, or a recorder in the tests.
// `clear` throws when the window cannot be cleared; nothing here traps it.
template <class Target>
concept PrintTarget = requires(Target target, PrintStatement statement)
{
    target.clear();
    target.print(statement);
};

namespace drawCommandsDetail {

// Four blank lines move the print position below the three buttons.
inline constexpr int linesAboveNumbers = 4;
inline constexpr std::int16_t combinationLines = 10;
inline constexpr std::size_t numbersPerCombination = 7;

template <PrintTarget Target> void printBlankLines(Target& surface, int count)
{
    static constexpr PrintItem blankLine[] = {{{}, LineEnd}};
    for (int line = 0; line < count; ++line) {
        surface.print(blankLine);
    }
}

// Draws `count` numbers in one go, then prints each running on. After a fault the numbers
// drawn before it are printed all the same, as they would have been one by one.
template <std::size_t count, PrintTarget Target, ValueSource Source>
void printDrawnNumbers(Target& surface, DrawState& state, Source& source)
{
    std::array<float, count> numbers;
    const std::size_t drawn = drawNumbers(state, source, std::span<float>(numbers));
    for (std::size_t n = 0; n < drawn; ++n) {
        const PrintItem number[] = {{numbers[n], RunOn}};
        surface.print(number);
    }
    if (drawn < count) {
        throw FloatingPointError();
    }
}

template <PrintTarget Target> void startPrintout(Target& surface)
{
    surface.clear();
    printBlankLines(surface, linesAboveNumbers);
}

} // namespace drawCommandsDetail

// "KOMPJUTER": ten numbered lines of seven numbers each.
template <PrintTarget Target, ValueSource Source>
void showTenCombinations(Target& surface, Source& source)
{
    using namespace drawCommandsDetail;
    startPrintout(surface);
    // One state for the whole command: `previous` runs across the line ends.
    DrawState state;
    for (std::int16_t line = 1; line <= combinationLines; ++line) {
        const PrintItem label[] = {
            {line, RunOn}, {" - ", RunOn}, {" KOMBINACIJA ", RunOn}, {" - ", RunOn}};
        surface.print(label);
        state.startCombination();
        printDrawnNumbers<numbersPerCombination>(surface, state, source);
        printBlankLines(surface, 1);
    }
}

// "KOMBINACIJA": one combination of seven numbers; the line stays open after the last.
template <PrintTarget Target, ValueSource Source>
void showOneCombination(Target& surface, Source& source)
{
    using namespace drawCommandsDetail;
    startPrintout(surface);
    DrawState state;
    printDrawnNumbers<numbersPerCombination>(surface, state, source);
}

// "BROJ": one number, any of 1 to 39 since the run starts with an empty state.
template <PrintTarget Target, ValueSource Source>
void showOneNumber(Target& surface, Source& source)
{
    using namespace drawCommandsDetail;
    startPrintout(surface);
    DrawState state;
    printDrawnNumbers<1>(surface, state, source);
}
