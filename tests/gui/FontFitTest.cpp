#include "PrintSurface.h"
#include "WindowFontMeasure.h"
#include "WindowFonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

// These run twice: with the fonts installed here, and with a fontconfig setup that hides
// Arial, its metric twins and the rounded faces (KRIMVEL_FONTS_HIDDEN=1), as on a machine
// that has none of them.
namespace {

bool fontsHidden()
{
    const char* hidden = std::getenv("KRIMVEL_FONTS_HIDDEN");
    return hidden != nullptr && std::string_view(hidden) == "1";
}

TEST(FontFit, TheFacesAreTheOnesThisRunMeansToTest)
{
    const QFontInfo print(WindowFonts::printFont());
    const QString banner = QFontInfo(WindowFonts::bannerFont()).family();
    const QStringList arialLike = {"Arial", "Liberation Sans", "Arimo"};
    const QStringList rounded = {"Arial Rounded MT Bold", "Comfortaa"};
    EXPECT_FALSE(print.family().isEmpty());
    EXPECT_TRUE(print.bold());
    EXPECT_EQ(print.pixelSize(), 21) << "15.75 pt at 96 dpi";
    EXPECT_EQ(arialLike.contains(print.family()), !fontsHidden()) << print.family().toStdString();
    EXPECT_EQ(rounded.contains(banner), !fontsHidden()) << banner.toStdString();
}

TEST(FontFit, TheWidestKompjuterLineAndAllTenLinesFitTheWindow)
{
    WindowFontMeasure measure(WindowFonts::printFont());
    PrintSurface surface(measure);
    for (int line = 0; line < 13; ++line) {
        const PrintItem blank[] = {{{}, LineEnd}};
        surface.print(blank);
    }
    // Every digit is as wide as any other, so the widest line has the longest line number
    // and seven two-digit numbers.
    const PrintItem label[] = {
        {std::int16_t{10}, RunOn}, {" - ", RunOn}, {" KOMBINACIJA ", RunOn}, {" - ", RunOn}};
    surface.print(label);
    for (int n = 0; n < 7; ++n) {
        const PrintItem number[] = {{38.0f, RunOn}};
        surface.print(number);
    }
    const double rightEdge = surface.runs().back().x + surface.runs().back().width;
    EXPECT_LE(rightEdge, 8295) << "twips; the client area is 8295 wide";
    EXPECT_LE(surface.cursorY() + surface.lineHeight(), 5310) << "the tenth line, the 14th";
}

TEST(FontFit, CaptionsFitInsideTheirControls)
{
    const QFontMetricsF buttons(WindowFonts::buttonFont());
    for (const char* caption : {"KOMPJUTER", "KOMBINACIJA", "BROJ"}) {
        // 81 pixels less the one-pixel edge on each side.
        EXPECT_LE(buttons.horizontalAdvance(QString::fromLatin1(caption)), 79) << caption;
    }
    EXPECT_LE(QFontMetricsF(WindowFonts::bannerFont()).horizontalAdvance("KRIMVEL"), 185);
}

} // namespace
