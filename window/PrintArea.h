#pragma once

#include "PrintSurface.h"
#include "WindowFontMeasure.h"

#include <QFont>
#include <QWidget>
#include <functional>

// The part of the window that the numbers and the instructions are printed on. It owns the
// print surface and paints its text in yellow over the window's picture; assistive technology
// reads it as a static text whose name and text are exactly the printed lines, and Copy
// copies those.
// It covers the whole client area below the controls and lets every mouse event through to
// the window.
class PrintArea : public QWidget
{
    Q_OBJECT

public:
    explicit PrintArea(QWidget* window);

    using Command = std::function<void(PrintSurface&)>;

    // Runs `command` against the surface, then repaints and announces what is printed, also
    // when the command fails part way: what it printed before the failure stays shown.
    void print(const Command& command);

    const PrintSurface& surface() const { return surface_; }
    bool isEmpty() const { return surface_.runs().empty(); }
    QString text() const;

    // Puts the printed lines on the clipboard, a printed line to a text line. With nothing
    // printed the clipboard keeps what it had.
    void copy() const;

signals:
    // Sent with each announcement, also where no screen reader listens.
    void changeAnnounced();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showChange(const QString& before);

    QFont font_;
    WindowFontMeasure measure_;
    PrintSurface surface_;
};
