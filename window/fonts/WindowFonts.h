#pragma once

#include <QFont>

// The window's fonts. Sizes are given in points at 96 dots per inch and set in logical
// pixels, so text grows with the window's geometry on every screen scale instead of
// following the screen's DPI on its own.
namespace WindowFonts {

// Starts reading the system's font configuration (fontconfig's files and caches) on a worker
// thread: the largest single part of the window's start-up, and one that needs nothing of
// Qt. Called before the QApplication is made, it runs while Qt connects to the display, on
// the second core where one is free; the window's fonts wait for it. Without it, Qt reads
// the configuration at the window's first font. Windows keeps its fonts in the system and
// has no configuration to read ahead.
void startLoading();

// Printed numbers and instructions: Arial, bold, 15.75 pt.
QFont printFont();
// Sheets of paper: the printed numbers' faces, bold, in real points at the printer's
// resolution.
QFont sheetFont(double points);
// Button captions: Arial, bold, 8.25 pt.
QFont buttonFont();
// The banner: Arial Rounded MT Bold, bold italic, 15.75 pt; falls back to another
// rounded face, never to a plain sans.
QFont bannerFont();

} // namespace WindowFonts
