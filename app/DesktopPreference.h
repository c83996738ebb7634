#pragma once

// GNOME's Wayland session offers no server-side decorations: a native Wayland window there
// gets Qt's own plain title bar, unlike every other window, and mutter places it where it
// likes. Through XWayland the same window gets GNOME's title bar and stands in the middle of
// the screen, as on GNOME's X11 session. So on GNOME, with an X display at hand and no output
// scaled (XWayland windows are scaled up blurry there), Qt is asked to try X11 first, then
// Wayland. A platform the user names (QT_QPA_PLATFORM, -platform) always wins; other
// desktops keep Qt's own choice. Call before QApplication is made.
void preferDesktopPlatform(int argc, char* argv[]);
