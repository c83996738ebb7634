#include "PrintArea.h"

#include "Twips.h"
#include "WindowFonts.h"

#include <QAccessible>
#include <QClipboard>
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
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // What the Text interface offers changed too: screen readers that follow the text hear
    // the new lines from this.
    QAccessibleTextUpdateEvent replaced(this, 0, before, text());
    QAccessible::updateAccessibility(&replaced);
    emit changeAnnounced();
}

QString PrintArea::text() const
{
    return QString::fromStdString(printedLines(surface_));
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
