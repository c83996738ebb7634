#pragma once

#include <QStringList>

class PrintSurface;

// The printed lines as a screen reader should say them: a combination as its number, then its
// numbers one by one; numbers alone as a list; any other line as its words, without the blanks
// that stagger it. What the window shows is in PrintArea::text(); this is only what is heard.
QStringList spokenLines(const PrintSurface& surface);
