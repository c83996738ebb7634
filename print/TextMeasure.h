#pragma once

#include <string_view>

// Measures text in the window font, in twips. The window answers from real font
// metrics; the core tests answer with fixed numbers and need no display.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual double textWidth(std::string_view text) const = 0;
    // The font's full line height, external leading included.
    virtual double lineHeight() const = 0;
};
