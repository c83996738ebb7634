#pragma once

#include "TextMeasure.h"

// Measures like a monospaced font with the width of a digit of the window font (12 px =
// 180 twips) and its line height (24 px), so the commands run without a display while
// PrintSurface still does the arithmetic it does in the window.
class FixedWidthMeasure : public TextMeasure
{
public:
    double textWidth(std::string_view text) const override
    {
        return 180.0 * static_cast<double>(text.size());
    }
    double lineHeight() const override { return 360.0; }
};
