#include "LineAnnouncement.h"

#include <QAccessible>
#include <QtGlobal>

LineNotice::LineNotice(const QString& line, QWidget* area) : QWidget(area)
{
    setAccessibleName(line);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
}

void announceLines(QWidget* area, const QStringList& lines)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // AT-SPI's object:announcement and UI Automation's notification event.
    for (const QString& line : lines) {
        QAccessibleAnnouncementEvent announcement(area, line);
        QAccessible::updateAccessibility(&announcement);
    }
#else
    // AT-SPI's object:state-changed:showing of a notification; Orca says a notification in a
    // status bar by its name alone, without the word "notification".
    qDeleteAll(area->findChildren<LineNotice*>(Qt::FindDirectChildrenOnly));
    for (const QString& line : lines) {
        (new LineNotice(line, area))->show();
    }
#endif
}
