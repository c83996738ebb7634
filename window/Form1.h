#pragma once

#include "BackgroundPicture.h"
#include "PrintSurface.h"
#include "WindowFontMeasure.h"

#include <QWidget>
#include <functional>

class CommandButton;
class PrintArea;
class QLabel;
class RandomSource;

// The program's one window: background picture, banner, three command buttons, and the
// numbers printed straight onto it.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(RandomSource& source, QWidget* parent = nullptr);
    ~Form1() override;

    // Shows the window in the middle of its screen, ready for the keyboard.
    void showCentred();

    const PrintSurface& printSurface() const { return surface_; }

    // Runs one event handler against the print surface. An error that leaves the handler is
    // not recovered from: it goes to the fatal-error handler, which by default shows it and
    // ends the program with a failure status.
    void runHandler(const std::function<void(PrintSurface&)>& handler);

    using FatalErrorHandler = std::function<void(const QString& message)>;
    void setFatalErrorHandler(FatalErrorHandler handler);

    QSize sizeHint() const override;

    // Puts what the window shows in print on the clipboard, a printed line to a text line.
    // With nothing printed the clipboard keeps what it had.
    void copyPrintedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createControls();
    void paintPrintedText(QPainter& painter) const;

    RandomSource& source_;
    // First, so that its decoding overlaps everything else the window does at start-up.
    BackgroundPicture background_;
    QFont printFont_;
    WindowFontMeasure measure_;
    PrintSurface surface_;
    PrintArea* printArea_;
    FatalErrorHandler fatalErrorHandler_;
};
