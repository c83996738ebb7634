#pragma once

#include <memory>
#include <optional>
#include <string>

struct xcb_connection_t;

// What the program learns about the X display before Qt starts.
struct XDisplayProbe
{
    // Why no window can be opened, if none can.
    std::optional<std::string> problem;
    // The resolution the X server reports for its screen, in dots per inch.
    double serverDpi = 96;
    // Whether the desktop publishes a font DPI (Xft.dpi), which Qt turns into its scale.
    bool desktopSetsScale = false;
    // The probe's connection, kept open until Qt has its own: an X server that resets when
    // its last client leaves (Xvfb does) would otherwise turn Qt away during the reset.
    std::shared_ptr<xcb_connection_t> connection;
};

// Looks at the display that Qt would use; only X11 is probed, other platforms asked for by
// name are left to Qt.
XDisplayProbe probeXDisplay();

// The scale the window should have on a server that reports `dpi`: the window is designed
// for 96 dots per inch, and grows in quarter steps so that pictures stay sharp.
double scaleForServerDpi(double dpi);
