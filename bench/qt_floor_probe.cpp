#include "firstPaint.h"

#include <QApplication>

// A plain window in a program that links Qt Widgets and nothing else: the least any Qt
// program of this kind can take to its first frame.
int main(int argc, char* argv[])
{
    sinceMain.start();
    QApplication application(argc, argv);
    printMilliseconds("qapplication_ms", sinceMain.nsecsElapsed());
    return startBare();
}
