#include "WindowFonts.h"
#include "firstPaint.h"
#include "probeModes.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int usage()
{
    std::fprintf(
        stderr,
        "usage: startup_probe form1 | bare | peer | click [presses] | soak [presses] | parts\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    sinceMain.start();
    if (argc < 2) {
        return usage();
    }
    const std::string mode = argv[1];
    // As the program's main starts the window.
    if (mode == "form1") {
        WindowFonts::startLoading();
    }
    QApplication application(argc, argv);
    printMilliseconds("qapplication_ms", sinceMain.nsecsElapsed());
    if (mode == "form1") {
        return startForm1();
    }
    // The same plain window as qt_floor_probe, but in a program that loads every library
    // the window does.
    if (mode == "bare") {
        return startBare();
    }
    if (mode == "peer") {
        return startPeer();
    }
    if (mode == "click") {
        return measureClicks(argc > 2 ? std::atoi(argv[2]) : 200);
    }
    if (mode == "soak") {
        return soakPresses(argc > 2 ? std::atoi(argv[2]) : 100000);
    }
    if (mode == "parts") {
        return measureStartupParts();
    }
    return usage();
}
