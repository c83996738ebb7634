#include "PrintArea.h"

#include "PrintSurface.h"

#include <QAccessible>

PrintArea::PrintArea(const PrintSurface& surface, QWidget* window)
    : QWidget(window), surface_(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

QString PrintArea::text() const
{
    return QString::fromStdString(printedLines(surface_));
}

void PrintArea::announceChange()
{
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    emit changeAnnounced();
}
