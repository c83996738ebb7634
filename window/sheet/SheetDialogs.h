#pragma once

#include <QObject>

class PrintArea;
class PrintSheet;
class QWidget;

// Takes the window's printed lines out of the program on a sheet: onto paper through the print
// dialog, or into a PDF file that the user names. With nothing printed both do nothing;
// cancelling a dialog does nothing.
class SheetDialogs : public QObject
{
    Q_OBJECT

public:
    SheetDialogs(QWidget* window, const PrintArea& printArea);

public slots:
    void print();
    void saveAsPdf();

private:
    // Writes the sheet to `path`; returns why that failed, or nothing.
    QString writePdf(const PrintSheet& sheet, const QString& path) const;

    QWidget* window_;
    const PrintArea& printArea_;
};
