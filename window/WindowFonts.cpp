#include "WindowFonts.h"

#include <QStringList>

namespace {

int pixelsForPoints(double points)
{
    return qRound(points * 96.0 / 72.0);
}

// Liberation Sans has Arial's metrics, so the printed lines keep their widths where
// Arial itself is not installed.
const QStringList arialFaces = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo")};

QFont boldFont(const QStringList& families, double points)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelsForPoints(points));
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

namespace WindowFonts {

QFont printFont()
{
    return boldFont(arialFaces, 15.75);
}

QFont buttonFont()
{
    return boldFont(arialFaces, 8.25);
}

QFont bannerFont()
{
    QFont font = boldFont({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Comfortaa"),
                           QStringLiteral("M PLUS Rounded 1c"), QStringLiteral("Nunito")},
                          15.75);
    font.setItalic(true);
    return font;
}

} // namespace WindowFonts
