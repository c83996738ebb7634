#pragma once

// What the printed text must look like, checked from the window's PrintSurface alone: the layout of
// each command's printout and of the instructions, and that every number printed is one the user
// can copy onto a ticket. Failures are reported through GoogleTest.

#include "PrintSurface.h"

#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace monkey {

// What the window should be showing after the last command or focus change.
enum class Shown
{
    Nothing,
    TenCombinations,
    OneCombination,
    OneNumber,
    Instructions,
};

inline constexpr const char* shownNames[] = {"nothing", "KOMPJUTER", "KOMBINACIJA", "BROJ",
                                             "instructions"};
inline constexpr std::size_t shownCount = std::size(shownNames);

// A printed number as the user reads it: " 7 ". Anything else (no blanks around it, a
// fraction, an exponent, a leading zero) is not a number the user can copy onto a ticket.
bool readNumber(const std::string& text, int& number);

std::string describe(const PrintedRun& run);

// Empty when both show the same; otherwise the first place where they part.
std::string differenceBetween(const std::vector<PrintedRun>& shown,
                              const std::vector<PrintedRun>& wanted);

// The runs grouped by line, in the order they were printed; each must stand on its line's
// top, each line must start at the left edge and continue to the right without going back
// over itself.
std::map<int, std::vector<const PrintedRun*>> checkedRunsByLine(const PrintSurface& surface);

// Checks that the surface shows what `shown` says it should, laid out as the user sees it.
void checkShown(const PrintSurface& surface, Shown shown);

} // namespace monkey
