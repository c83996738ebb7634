#pragma once

#include "PrintSurface.h"
#include "WindowFontMeasure.h"

#include <QFont>
#include <QWidget>
#include <functional>
#include <vector>

// The part of the window that the numbers and the instructions are printed on. It owns the
// print surface and paints its text in yellow over the window's picture; assistive technology
// reads exactly the printed lines through its text, character by character where each one
// stands, is told which lines to announce when they are printed, and Copy copies them.
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

    // Where the character at `offset` of text() is painted, in the area's coordinates; a line
    // end stands just after its line, with no width. Empty outside the text.
    QRect characterRect(int offset) const;
    // The offset in text() of the character painted at `point`, or -1.
    int offsetAt(const QPoint& point) const;

    // Puts the printed lines on the clipboard, a printed line to a text line. With nothing
    // printed the clipboard keeps what it had.
    void copy() const;

signals:
    // The lines just printed as a screen reader says them, once the event that printed them ends.
    void linesToAnnounce(const QStringList& lines);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where each character of `run` is painted.
    std::vector<QRect> characterRects(const PrintedRun& run) const;
    void showChange(const QString& before);
    void announce();

    QFont font_;
    WindowFontMeasure measure_;
    PrintSurface surface_;
    bool announcementDue_ = false;
};
