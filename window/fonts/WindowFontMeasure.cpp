#include "WindowFontMeasure.h"

#include "Twips.h"

#include <QString>

WindowFontMeasure::WindowFontMeasure(const QFont& font) : metrics_(font) {}

double WindowFontMeasure::textWidth(std::string_view text) const
{
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return Twips::fromPixels(metrics_.horizontalAdvance(string));
}

double WindowFontMeasure::lineHeight() const
{
    return Twips::fromPixels(metrics_.lineSpacing());
}

double WindowFontMeasure::ascent() const
{
    return Twips::fromPixels(metrics_.ascent());
}
