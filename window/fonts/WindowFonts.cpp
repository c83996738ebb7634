#include "WindowFonts.h"

#include "WindowFontSetup.h"

#include <QFontDatabase>
#include <QFontMetricsF>
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

// What the window prints and shows on its buttons, with Arial Bold's advance widths in
// thousandths of an em (the same as Helvetica Bold's and Liberation Sans Bold's).
struct ReferenceGlyph
{
    char glyph;
    int advance;
};
constexpr ReferenceGlyph arialBoldAdvances[] = {
    {' ', 278}, {'-', 333}, {'0', 556}, {'1', 556}, {'2', 556}, {'3', 556}, {'4', 556},
    {'5', 556}, {'6', 556}, {'7', 556}, {'8', 556}, {'9', 556}, {'A', 722}, {'B', 722},
    {'C', 722}, {'E', 667}, {'I', 278}, {'J', 556}, {'K', 722}, {'M', 833}, {'N', 722},
    {'O', 778}, {'P', 667}, {'R', 722}, {'T', 611}, {'U', 722},
};

// Where neither Arial nor a metric twin is installed, the fallback face is usually wider;
// narrowing it to Arial's widths keeps ten printed lines and the button captions inside
// the window instead of cut off at its edges.
void narrowToArialWidths(QFont& font)
{
    QString reference;
    double arialWidth = 0;
    for (const ReferenceGlyph& g : arialBoldAdvances) {
        reference += QLatin1Char(g.glyph);
        arialWidth += g.advance / 1000.0 * font.pixelSize();
    }
    const double width = QFontMetricsF(font).horizontalAdvance(reference);
    if (width > arialWidth * 1.01) {
        font.setStretch(static_cast<int>(100.0 * arialWidth / width));
    }
}

// The faces of `families` that are installed, in the same order.
QStringList installed(const QStringList& families)
{
    WindowFontSetup::waitUntilReady();
    const QStringList all = QFontDatabase::families();
    QStringList found;
    for (const QString& family : families) {
        if (all.contains(family, Qt::CaseInsensitive)) {
            found << family;
        }
    }
    return found;
}

// The installed faces of `families` first: Qt asks the platform for a substitute of each face
// that is missing before it tries the next, about a millisecond each, to arrive at the first
// installed one all the same. Where none is installed, all of them, for the platform's choice.
QFont boldFont(const QStringList& families, const QStringList& installedFaces, double points)
{
    QFont font;
    font.setFamilies(installedFaces.isEmpty() ? families : installedFaces);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelsForPoints(points));
    font.setWeight(QFont::Bold);
    return font;
}

QFont arialBold(double points)
{
    const QStringList faces = installed(arialFaces);
    QFont font = boldFont(arialFaces, faces, points);
    // Arial and its twins have Arial's widths already.
    if (faces.isEmpty()) {
        narrowToArialWidths(font);
    }
    return font;
}

} // namespace

namespace WindowFonts {

QFont printFont()
{
    return arialBold(15.75);
}

QFont sheetFont(double points)
{
    // Narrowed, where a wider face stands in, at the window's size; the stretch is a ratio and
    // holds at any size.
    QFont font = arialBold(points);
    font.setPointSizeF(points);
    return font;
}

QFont buttonFont()
{
    return arialBold(8.25);
}

QFont bannerFont()
{
    const QStringList roundedFaces = {
        QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Comfortaa"),
        QStringLiteral("M PLUS Rounded 1c"), QStringLiteral("Nunito")};
    QFont font = boldFont(roundedFaces, installed(roundedFaces), 15.75);
    font.setItalic(true);
    return font;
}

} // namespace WindowFonts
