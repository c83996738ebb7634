#pragma once

#include "XDisplay.h"

#include <optional>
#include <string>

// The Qt platform the window opens on, chosen before Qt starts: Qt aborts with a core dump
// when the platform it is given does not exist or cannot reach its display.
struct DisplayPlatform
{
    // Why no window can be opened, if none can: one line for the terminal.
    std::optional<std::string> problem;
    // The value for QT_QPA_PLATFORM: one platform, with the options the user gave it.
    std::string platform;
    // What the X server told, when the platform is X11.
    XDisplayProbe x;
};

// The platform named by QT_QPA_PLATFORM where the user set it (the first of a list that
// exists and reaches its display); otherwise Wayland where WAYLAND_DISPLAY names a
// compositor that answers, and X11 where DISPLAY is set.
DisplayPlatform chooseDisplayPlatform();
