#pragma once

#include "TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>

// Measures printed text with the real metrics of the window font, in twips.
class WindowFontMeasure : public TextMeasure
{
public:
    explicit WindowFontMeasure(const QFont& font);

    double textWidth(std::string_view text) const override;
    double lineHeight() const override;
    // Where a line's baseline lies below the top of the line, in twips.
    double ascent() const;

private:
    QFontMetricsF metrics_;
};
