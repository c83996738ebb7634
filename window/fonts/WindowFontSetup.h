#pragma once

// Where the window's faces come from differs by platform, one file each, chosen by CMake:
// fontconfig's configuration, read on a worker thread (WindowFontSetup_fontconfig.cpp), or
// Windows' installed fonts plus the stand-ins the program carries (WindowFontSetup_win.cpp).
namespace WindowFontSetup {

// Returns once the font database holds every face the window may ask for.
void waitUntilReady();

} // namespace WindowFontSetup
