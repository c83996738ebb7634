#pragma once

#include "drawCommands.h"
#include "showInstructions.h"

#include <optional>
#include <string_view>

// What a user can do that prints, for the front ends that name it by a word (the web version,
// core_sequence): the three buttons and the loudspeaker getting the focus. The desktop's
// Form1 wires its buttons to the same commands directly.
enum class Press
{
    Computer,
    Combination,
    Number,
    Instructions
};

inline std::optional<Press> pressNamed(std::string_view name)
{
    if (name == "computer") {
        return Press::Computer;
    }
    if (name == "combination") {
        return Press::Combination;
    }
    if (name == "number") {
        return Press::Number;
    }
    if (name == "instructions") {
        return Press::Instructions;
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
