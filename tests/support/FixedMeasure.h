#pragma once

#include "TextMeasure.h"

// A monospaced stand-in for the window font: every character is as wide as a digit of
// Arial bold 15.75 pt (12 px = 180 twips), a line as high as its line height (24 px).
class FixedMeasure : public TextMeasure
{
public:
    static constexpr double charWidth = 180;
    static constexpr double line = 360;

    double textWidth(std::string_view text) const override
    {
        return charWidth * static_cast<double>(text.size());
    }
    double lineHeight() const override { return line; }
};
