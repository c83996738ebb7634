#include "PrintArea.h"

#include "LineAnnouncement.h"
#include "Twips.h"
#include "WindowFonts.h"

#include <QAccessible>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>

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
    announceLines(this, lines);
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

QRect PrintArea::characterRect(const PrintedRun& run, int inRun, double top) const
{
    const QString text = QString::fromStdString(run.text);
    const double left = run.x + measure_.textWidth(text.left(inRun).toStdString());
    const double right = run.x + measure_.textWidth(text.left(inRun + 1).toStdString());
    return inPixels(left, top, right - left, measure_.lineHeight());
}

QRect PrintArea::characterRect(int offset) const
{
    const auto lines = runsByLine(surface_);
    if (lines.empty() || offset < 0) {
        return {};
    }
    const double height = measure_.lineHeight();
    // Walks text() as printedLines() makes it: the printed lines from the first, each but the
    // last ended by a line end.
    int lineStart = 0;
    for (int line = lines.begin()->first; line <= lines.rbegin()->first; ++line) {
        const double top = (line - 1) * height;
        double end = 0;
        if (const auto found = lines.find(line); found != lines.end()) {
            for (const PrintedRun* run : found->second) {
                const int size = int(QString::fromStdString(run->text).size());
                if (offset < lineStart + size) {
                    return characterRect(*run, offset - lineStart, top);
                }
                lineStart += size;
                end = run->x + run->width;
            }
        }
        if (line == lines.rbegin()->first) {
            break;
        }
        if (offset == lineStart) {
            return inPixels(end, top, 0, height);
        }
        ++lineStart;
    }
    return {};
}

// The first offset whose characterRect() holds the point, found in one walk that measures only
// the runs the point can be in: a screen reader's review asks on every move of the pointer.
int PrintArea::offsetAt(const QPoint& point) const
{
    const auto lines = runsByLine(surface_);
    if (lines.empty()) {
        return -1;
    }
    const double height = measure_.lineHeight();
    int lineStart = 0;
    for (int line = lines.begin()->first; line <= lines.rbegin()->first; ++line) {
        const double top = (line - 1) * height;
        // Every character of a line has the line's rows, rounded alike; a line end has no width
        // and holds no point.
        const QRect rows = inPixels(0, top, 0, height);
        const bool onLine = point.y() >= rows.top() && point.y() <= rows.bottom();
        if (const auto found = lines.find(line); found != lines.end()) {
            for (const PrintedRun* run : found->second) {
                const int size = int(QString::fromStdString(run->text).size());
                // Its characters lie within the run, give or take the pixel that rounding adds.
                if (onLine && point.x() >= Twips::toPixels(run->x) - 2 &&
                    point.x() <= Twips::toPixels(run->x + run->width) + 2) {
                    for (int inRun = 0; inRun < size; ++inRun) {
                        if (characterRect(*run, inRun, top).contains(point)) {
                            return lineStart + inRun;
                        }
                    }
                }
                lineStart += size;
            }
        }
        ++lineStart;
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
