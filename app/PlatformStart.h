#pragma once

#include <optional>

// What the program settles with the platform before Qt starts, a file per platform:
// PlatformStart_unix.cpp chooses the display and adopts an X server's resolution;
// PlatformStart_win.cpp only unbuffers stderr, since Qt follows Windows' display scaling itself.
namespace PlatformStart {

// Before the QApplication is made: an exit status where no window can be opened, after one
// line that says why.
std::optional<int> beforeApplication();

// Once the QApplication exists.
void applicationStarted();

} // namespace PlatformStart
