#include "PrintArea.h"

#include "Twips.h"
#include "WindowFonts.h"

#include <QAccessible>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {

// The window's foreground colour, &H0000FFFF&.
const QColor printColour(0xff, 0xff, 0x00);

} // namespace

PrintArea::PrintArea(QWidget* window)
    : QWidget(window), font_(WindowFonts::printFont()), measure_(font_), surface_(measure_)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void PrintArea::print(const Command& command)
{
    const QString before = text();
    try {
        command(surface_);
    } catch (...) {
        showChange(before);
        throw;
    }
    showChange(before);
}

void PrintArea::showChange(const QString& before)
{
    update();
    // For whoever keeps a copy of the text; screen readers do not speak a change to text that
    // has no focus, so the lines are announced as well.
    QAccessibleTextUpdateEvent replaced(this, 0, before, text());
    QAccessible::updateAccessibility(&replaced);
    // Once the event that printed them is over: when the focus arriving at the loudspeaker
    // prints the instructions, a screen reader says where the focus went before what appeared.
    // Lines printed over before then are not announced at all.
    if (!announcementDue_) {
        announcementDue_ = true;
        QMetaObject::invokeMethod(this, &PrintArea::announce, Qt::QueuedConnection);
    }
}

void PrintArea::announce()
{
    announcementDue_ = false;
    // The pattern keeps the context it has always had in the translations.
    const QString combination = QCoreApplication::translate("SpokenLines", "Combination %1: %2");
    QStringList lines;
    for (const std::string& line : surface_.spoken().lines(combination.toStdString())) {
        lines << QString::fromStdString(line);
    }
    emit linesToAnnounce(lines);
}

QString PrintArea::text() const
{
    return QString::fromStdString(printedLines(surface_));
}

namespace {

QRect inPixels(double x, double y, double width, double height)
{
    return QRectF(Twips::toPixels(x), Twips::toPixels(y), Twips::toPixels(width),
                  Twips::toPixels(height))
        .toRect();
}

} // namespace

std::vector<QRect> PrintArea::characterRects(const PrintedRun& run) const
{
    // Laid out as the paint lays the run out, kerning included, which measuring each prefix on
    // its own leaves out.
    QTextLayout layout(QString::fromStdString(run.text), font_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const double height = measure_.lineHeight();
    std::vector<QRect> rects;
    for (int i = 0; i < line.textLength(); ++i) {
        const double left = run.x + Twips::fromPixels(line.cursorToX(i));
        const double right = run.x + Twips::fromPixels(line.cursorToX(i + 1));
        rects.push_back(inPixels(left, (run.line - 1) * height, right - left, height));
    }
    return rects;
}

QRect PrintArea::characterRect(int offset) const
{
    const std::vector<PrintedRun>& runs = surface_.runs();
    const auto next = std::ranges::upper_bound(runs, offset, {}, &PrintedRun::offset);
    if (next == runs.begin()) {
        return {};
    }
    const PrintedRun& run = *std::prev(next);
    const int inRun = offset - run.offset;
    if (inRun < int(run.text.size())) {
        return characterRects(run)[inRun];
    }
    // The line ends between the run and the next one: the first just after the run, the others
    // at the left edge of the blank lines between. The last line has none.
    const int lineEnd = inRun - int(run.text.size());
    if (next == runs.end() || run.line + lineEnd >= next->line) {
        return {};
    }
    return inPixels(lineEnd == 0 ? run.x + run.width : 0,
                    (run.line - 1 + lineEnd) * measure_.lineHeight(), 0, measure_.lineHeight());
}

// The first offset whose characterRect() holds the point, found in one walk that lays out only
// the run the point can be in: a screen reader's review asks on every move of the pointer.
int PrintArea::offsetAt(const QPoint& point) const
{
    const double height = measure_.lineHeight();
    for (const PrintedRun& run : surface_.runs()) {
        // Every character of a line has the line's rows, rounded alike, and lies within its run,
        // give or take the pixel that rounding adds; a line end has no width and holds no point.
        const QRect rows = inPixels(0, (run.line - 1) * height, 0, height);
        if (point.y() < rows.top() || point.y() > rows.bottom() ||
            point.x() < Twips::toPixels(run.x) - 2 ||
            point.x() > Twips::toPixels(run.x + run.width) + 2) {
            continue;
        }
        const std::vector<QRect> rects = characterRects(run);
        for (std::size_t inRun = 0; inRun < rects.size(); ++inRun) {
            if (rects[inRun].contains(point)) {
                return run.offset + int(inRun);
            }
        }
    }
    return -1;
}

void PrintArea::copy() const
{
    if (!isEmpty()) {
        QGuiApplication::clipboard()->setText(text());
    }
}

void PrintArea::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setFont(font_);
    painter.setPen(printColour);
    const double ascent = measure_.ascent();
    for (const PrintedRun& run : surface_.runs()) {
        const QPointF baseline(Twips::toPixels(run.x), Twips::toPixels(run.y + ascent));
        painter.drawText(baseline, QString::fromStdString(run.text));
    }
}
