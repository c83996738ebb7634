#include "SheetDialogs.h"

#include "PrintArea.h"
#include "PrintSheet.h"
#include "ProgramIdentity.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

using ProgramIdentity::programName;

namespace {

// The paper the default printer holds, so that a saved page prints as it is; without a
// printer, what the user's country uses.
QPageSize sheetPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        const QPageSize paper = printer.defaultPageSize();
        if (paper.id() == QPageSize::A4 || paper.id() == QPageSize::Letter) {
            return paper;
        }
    }
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QString defaultPdfPath(const QDateTime& now)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(
        QStringLiteral("krimvel-%1.pdf").arg(now.toString(QStringLiteral("yyyy-MM-dd-HHmm"))));
}

} // namespace

SheetDialogs::SheetDialogs(QWidget* window, const PrintArea& printArea)
    : QObject(window), window_(window), printArea_(printArea)
{}

void SheetDialogs::print()
{
    if (printArea_.isEmpty()) {
        return;
    }
    // The lines as the window showed them when the user asked.
    const QString lines = printArea_.text();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(programName());
    QPrintDialog dialog(&printer, window_);
    // One page: no ranges to choose and nothing to collate.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!PrintSheet(lines, QDateTime::currentDateTime()).paint(printer)) {
        const QString where = printer.outputFileName().isEmpty()
                                  ? printer.printerName()
                                  : QDir::toNativeSeparators(printer.outputFileName());
        QMessageBox::warning(
            window_, tr("Print"),
            tr("%1 could not print to\n%2\n\nNothing was printed.").arg(programName(), where));
    }
}

void SheetDialogs::saveAsPdf()
{
    if (printArea_.isEmpty()) {
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const PrintSheet sheet(printArea_.text(), now);
    QFileDialog dialog(window_, tr("Save as PDF"), defaultPdfPath(now), tr("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const QString problem = writePdf(sheet, path);
    if (!problem.isEmpty()) {
        QMessageBox::warning(window_, tr("Save as PDF"),
                             tr("%1 could not save the PDF file\n%2\n\n%3")
                                 .arg(programName(), QDir::toNativeSeparators(path), problem));
    }
}

QString SheetDialogs::writePdf(const PrintSheet& sheet, const QString& path) const
{
    // Written to a temporary file beside `path` and renamed over it only when complete, so a
    // full disk or a folder that went away leaves nothing half-written behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    QPdfWriter writer(&file);
    writer.setTitle(programName());
    writer.setCreator(programName());
    writer.setPageSize(sheetPaper());
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (!sheet.paint(writer)) {
        file.cancelWriting();
        return tr("The page could not be drawn.");
    }
    // commit() would rename a file whose buffered tail failed to reach the disk: a small PDF
    // lies wholly in QSaveFile's write buffer until then, and its flush error goes unseen.
    if (!file.flush()) {
        const QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}
