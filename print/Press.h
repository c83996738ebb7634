#pragma once

#include "drawCommands.h"
#include "showInstructions.h"

#include <cstddef>
#include <optional>
#include <string_view>

// What a user can do that prints: the three buttons and the loudspeaker getting the focus.
enum class Press
{
    Computer,
    Combination,
    Number,
    Instructions
};

// Each press, in the order of Press, with the word that names it where a front end or a tool
// names it (the web page, core_sequence, window_sequence) and the control that makes it, by the
// desktop window's object name, which the web page uses as the element's id.
struct PressName
{
    Press press;
    std::string_view name;
    std::string_view control;
};

inline constexpr PressName pressNames[] = {
    {Press::Computer, "computer", "Command1"},
    {Press::Combination, "combination", "Command3"},
    {Press::Number, "number", "Command2"},
    {Press::Instructions, "instructions", "SoundRec1"},
};

inline const PressName& nameOf(Press press)
{
    return pressNames[static_cast<std::size_t>(press)];
}

inline std::optional<Press> pressNamed(std::string_view name)
{
    for (const PressName& known : pressNames) {
        if (known.name == name) {
            return known.press;
        }
    }
    return std::nullopt;
}

// Runs the command behind `press`; it throws as the command does.
template <PrintTarget Target, ValueSource Source>
void runPress(Press press, Target& surface, Source& source)
{
    switch (press) {
    case Press::Computer:
        showTenCombinations(surface, source);
        break;
    case Press::Combination:
        showOneCombination(surface, source);
        break;
    case Press::Number:
        showOneNumber(surface, source);
        break;
    case Press::Instructions:
        showInstructions(surface);
        break;
    }
}
