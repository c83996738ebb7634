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
    if (lines.isEmpty()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // AT-SPI's object:announcement and UI Automation's notification event, sent by a notice
    // that never shows: of several announcements within a tenth of a second, Orca 48 presents
    // only the first, unless they come from a notification.
    auto* source = area->findChild<LineNotice*>(QString(), Qt::FindDirectChildrenOnly);
    if (source == nullptr) {
        source = new LineNotice(QString(), area);
        source->hide();
    }
    for (const QString& line : lines) {
        QAccessibleAnnouncementEvent announcement(source, line);
        QAccessible::updateAccessibility(&announcement);
    }
#elif defined(Q_OS_WIN)
    // Qt's UI Automation raises its notification event for a value given as text; of those only
    // the latest is sure to be read, so the lines go as one.
    QAccessibleValueChangeEvent notification(area, lines.join(QStringLiteral(". ")));
    QAccessible::updateAccessibility(&notification);
#else
    // AT-SPI's object:state-changed:showing of a notification; Orca says a notification in a
    // status bar by its name alone, without the word "notification".
    qDeleteAll(area->findChildren<LineNotice*>(Qt::FindDirectChildrenOnly));
    for (const QString& line : lines) {
        (new LineNotice(line, area))->show();
    }
#endif
}
