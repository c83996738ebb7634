#include "firstPaint.h"

#include <QApplication>

#include <cstring>

// A plain window in a program that links Qt Widgets and nothing else: the least any Qt
// program of this kind can take to its first frame. With "peer", the same window with one
// QLabel and one QPushButton: the least any Qt program with text and a button can take.
int main(int argc, char* argv[])
{
    sinceMain.start();
    const bool peer = argc > 1 && std::strcmp(argv[1], "peer") == 0;
    QApplication application(argc, argv);
    printMilliseconds("qapplication_ms", sinceMain.nsecsElapsed());
    return peer ? startPeer() : startBare();
}
