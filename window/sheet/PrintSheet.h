#pragma once

#include <QDateTime>
#include <QStringList>

class QFont;
class QPagedPaintDevice;
class QPaintDevice;
class QSizeF;

// The page a player takes to the kiosk: a small header (the program, when it was printed,
// and that it is only for fun) above the window's printed lines, a text line to a printed
// line with every blank kept, in black on white and as large as the page's width allows up
// to a size that reads at arm's length.
class PrintSheet
{
public:
    PrintSheet(const QString& printedLines, const QDateTime& printedAt);

    // Paints the sheet on one page of `device`; false where the device cannot be painted on
    // (a file that cannot be opened, a printer that is gone).
    bool paint(QPagedPaintDevice& device) const;

private:
    QFont linesFont(const QSizeF& area, const QPaintDevice& device) const;

    QStringList lines_;
    QDateTime printedAt_;
};
