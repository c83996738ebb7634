#pragma once

#include "NextPaint.h"

#include <QElapsedTimer>

// Started first thing in main: the probes report their times from there.
extern QElapsedTimer sinceMain;

void printMilliseconds(const char* key, qint64 nanoseconds);

// A field of /proc/self/status in KiB, such as "VmRSS" or "VmHWM" (the peak so far); 0 where
// there is none.
long statusKib(const char* field);

// Prints how long the process took to its first frame, and its peak memory until then, once
// `nextPaint` fires, then quits the application.
void reportFirstPaintThenQuit(NextPaint& nextPaint);

// A plain window of Form1's size, shown as Form1 shows itself: what any Qt window costs.
int startBare();
// The same window with one QLabel and one QPushButton in Qt's own font and style: what any
// window with text and a button costs.
int startPeer();
