#include "PrintSheet.h"

#include "ProgramIdentity.h"
#include "WindowFonts.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Large enough to read at arm's length; a single number or combination gets no larger.
constexpr double largestPoints = 24;
constexpr double headerPoints = 11;
// A little air between the lines, so that the eye keeps its row while copying at the kiosk.
constexpr double lineSpacingFactor = 1.25;

double pixelsForPoints(double points, const QPaintDevice& device)
{
    return points * device.logicalDpiY() / 72.0;
}

} // namespace

PrintSheet::PrintSheet(const QString& printedLines, const QDateTime& printedAt)
    : lines_(printedLines.split(QLatin1Char('\n'))), printedAt_(printedAt)
{}

QFont PrintSheet::linesFont(const QSizeF& area, const QPaintDevice& device) const
{
    // Widths and heights grow with the point size, so one measurement at the largest size
    // gives the size that fits; a few smaller steps absorb what rounding makes wider.
    double points = largestPoints;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QFont font = WindowFonts::sheetFont(points);
        const QFontMetricsF metrics(font, &device);
        double widest = 0;
        for (const QString& line : lines_) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const double height = lines_.size() * metrics.lineSpacing() * lineSpacingFactor;
        const double fits =
            std::min(area.width() / std::max(widest, 1.0), area.height() / std::max(height, 1.0));
        if (fits >= 1.0) {
            return font;
        }
        points *= attempt == 0 ? fits : 0.99;
    }
    return WindowFonts::sheetFont(points);
}

bool PrintSheet::paint(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The painter's origin is the top-left corner inside the page's margins.
    const QRectF page(0, 0, device.width(), device.height());
    painter.setPen(Qt::black);

    const QFont headerFont = WindowFonts::sheetFont(headerPoints);
    const QFontMetricsF header(headerFont, &device);
    painter.setFont(headerFont);
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLatin1(ProgramIdentity::name));
    painter.drawText(page, Qt::AlignRight | Qt::AlignTop,
                     QLocale().toString(printedAt_, QLocale::ShortFormat));
    painter.drawText(page.adjusted(0, header.lineSpacing(), 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(ProgramIdentity::comment));
    const double ruleY = 2 * header.lineSpacing() + header.descent();
    painter.setPen(QPen(Qt::black, pixelsForPoints(0.75, device)));
    painter.drawLine(QPointF(0, ruleY), QPointF(page.width(), ruleY));

    const QRectF body = page.adjusted(0, ruleY + header.lineSpacing(), 0, 0);
    const QFont font = linesFont(body.size(), device);
    const QFontMetricsF metrics(font, &device);
    painter.setFont(font);
    // Drawn line by line as whole strings: the leading blanks keep the instructions'
    // stagger and the texts stay exactly as the window printed them.
    QPointF baseline(body.left(), body.top() + metrics.ascent());
    for (const QString& line : lines_) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.lineSpacing() * lineSpacingFactor;
    }
    return painter.end();
}
