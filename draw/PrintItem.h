#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

// What follows an item: the next item on the same line, or a new line.
enum class Separator
{
    RunOn,
    LineEnd
};

inline constexpr Separator RunOn = Separator::RunOn;
inline constexpr Separator LineEnd = Separator::LineEnd;

// A text, a line number, a drawn number, or nothing (a blank line's only item).
// Texts are views of literals: every text the program prints is a constant.
using PrintValue = std::variant<std::monostate, std::string_view, std::int16_t, float>;

struct PrintItem
{
    PrintValue value;
    Separator separator = RunOn;
};

// One print statement: every item but the last runs on; the last runs on or ends the line.
using PrintStatement = std::span<const PrintItem>;
