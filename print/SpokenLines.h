#pragma once

#include "PrintItem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a screen reader says of the printed lines, gathered from the print statements as they
// are printed: an item's type tells what it is, so nothing is guessed back from the text. A
// 16-bit number is a combination's line label, a float a drawn number, a text a caption or an
// instruction. Every front end announces these same lines.
class SpokenLines
{
public:
    void clear();
    void add(const PrintValue& value);
    void endLine();

    // One utterance for each printed line that says something, top to bottom. A combination's
    // line goes through `combinationPattern`, its label for %1 and its numbers for %2
    // (the front end's translation of "Combination %1: %2"); numbers alone are listed with
    // commas, which make a speech synthesiser pause; any other line is its words, without the
    // blanks that stagger it. Blank lines and the dashes between label and numbers say nothing.
    std::vector<std::string> lines(std::string_view combinationPattern) const;

private:
    struct Line
    {
        std::optional<std::int16_t> label;
        // The drawn numbers; `words` holds them too, in their place among the texts.
        std::vector<std::string> numbers;
        std::vector<std::string> words;
    };

    static std::string spoken(const Line& line, std::string_view combinationPattern);

    // The line being printed is the last; a clear leaves one empty line.
    std::vector<Line> lines_{1};
};
