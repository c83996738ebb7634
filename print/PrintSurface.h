#pragma once

#include "PrintItem.h"
#include "SpokenLines.h"

#include <string>
#include <vector>

class TextMeasure;

// One piece of printed text and where it stands, in twips from the client area's
// top-left corner; y is the top of its line.
struct PrintedRun
{
    std::string text;
    double x = 0;
    double y = 0;
    double width = 0;
    // The line it stands on, counted from 1 at the top as a reader counts.
    int line = 1;
    // Where it starts in printedLines(). Printed text is ASCII (digits, blanks, dashes, the
    // instructions' capitals): a byte of it is a character as Qt and JavaScript count them.
    int offset = 0;

    bool operator==(const PrintedRun&) const = default;
};

// The window's text output: a print position and the text printed since the last clear.
// The text is kept so that the window can paint it again whenever it is repainted:
// numbers must survive a minimise or a covering window until the user has copied them.
// What a screen reader says of it is gathered at the same time, from the items themselves.
class PrintSurface
{
public:
    explicit PrintSurface(const TextMeasure& measure) : measure_(measure) {}

    // Erases everything printed and returns the position to the top-left corner.
    void clear();
    void print(PrintStatement statement);

    double cursorX() const { return cursorX_; }
    double cursorY() const { return cursorY_; }
    double lineHeight() const;
    const std::vector<PrintedRun>& runs() const { return runs_; }
    const SpokenLines& spoken() const { return spoken_; }

private:
    const TextMeasure& measure_;
    double cursorX_ = 0;
    double cursorY_ = 0;
    int cursorLine_ = 1;
    std::vector<PrintedRun> runs_;
    SpokenLines spoken_;
};

// How an item reads when printed: numbers get a leading blank (or a minus sign) and a
// trailing blank, whole values have no decimal point, texts are taken as they are.
std::string printedText(const PrintValue& value);

// The printed text as a reader sees it: one line of text per printed line, the runs of each
// line joined with their blanks, and the blank lines above the first printed line left out.
std::string printedLines(const PrintSurface& surface);
