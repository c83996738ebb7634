#pragma once

#include "PrintItem.h"

#include <string_view>

// The four lines shown when the loudspeaker gets the focus. The leading blanks stagger them
// towards the middle of the window; they are printed as blanks, nothing is centred.
inline constexpr std::string_view instructionLines[] = {
    "     DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS ",
    "                 VI SAMO UPISITE BROJEVE NA LISTIC ",
    "                         I OBAVEZNO UPLATITE ",
    "                                  SRECNO !!!",
};

// Seven blank lines put the instructions lower than the numbers, on lines 8 to 11.
inline constexpr int linesAboveInstructions = 7;

template <class Target> void showInstructions(Target& surface)
{
    surface.clear();
    static constexpr PrintItem blankLine[] = {{{}, LineEnd}};
    for (int line = 0; line < linesAboveInstructions; ++line) {
        surface.print(blankLine);
    }
    for (std::string_view text : instructionLines) {
        const PrintItem statement[] = {{text, LineEnd}};
        surface.print(statement);
    }
}
