#pragma once

#include <memory>

struct xcb_connection_t;

// What the program learns about the X display before Qt starts.
struct XDisplayProbe
{
    // Whether the server named by DISPLAY answered.
    bool opened = false;
    // The resolution the X server reports for its screen, in dots per inch.
    double serverDpi = 96;
    // Whether the desktop publishes a font DPI (Xft.dpi), which Qt turns into its scale.
    bool desktopSetsScale = false;
    // The probe's connection, kept open until Qt has its own: an X server that resets when
    // its last client leaves (Xvfb does) would otherwise turn Qt away during the reset.
    std::shared_ptr<xcb_connection_t> connection;
};

// Connects to the X server named by DISPLAY, as Qt's X11 platform would, and reads its screen.
XDisplayProbe probeXDisplay();

// The scale the window should have on a server that reports `dpi`: the window is designed
// for 96 dots per inch, and grows in quarter steps so that pictures stay sharp.
double scaleForServerDpi(double dpi);
