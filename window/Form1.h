#pragma once

#include "PrintSurface.h"
#include "WindowFontMeasure.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

class CommandButton;
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void paintPrintedText(QPainter& painter) const;

    RandomSource& source_;
    QFont printFont_;
    WindowFontMeasure measure_;
    PrintSurface surface_;
    QPixmap background_;
    FatalErrorHandler fatalErrorHandler_;
};
