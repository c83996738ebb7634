#pragma once

// What the program settles with the platform before Qt starts, a file per platform:
// PlatformStart_unix.cpp states a preference on GNOME's Wayland session and adopts an X
// server's resolution; PlatformStart_win.cpp only unbuffers stderr, since Qt follows Windows'
// display scaling itself.
namespace PlatformStart {

// Before the QApplication is made, with the arguments it will be given.
void beforeApplication(int argc, char* argv[]);

// Once the QApplication exists.
void applicationStarted();

} // namespace PlatformStart
