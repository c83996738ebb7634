#pragma once

#include <QStringList>
#include <QWidget>

// Has screen readers say `lines` as soon as they appear on `area`, each line on its own and in
// order, without the user moving there: a sighted user sees them the moment they are printed.
// Screen readers queue what they are told this way, and any key interrupts it as usual.
void announceLines(QWidget* area, const QStringList& lines);

// A notification of no size inside the area: nobody sees it, and a review of the screen passes
// it by. Before Qt 6.8, which cannot send an announcement, each line is one that shows, and it
// stays until the next lines replace it, for a screen reader that reads it late; from Qt 6.8
// one that never shows sends the announcements.
class LineNotice : public QWidget
{
    Q_OBJECT

public:
    LineNotice(const QString& line, QWidget* area);
};
