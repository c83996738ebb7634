#pragma once

#include <QString>

// What the About box says about Qt, which reaches the program differently on each platform, a
// file each: Debian's shared libraries (QtLicenceNotice_unix.cpp), or built into the program
// file (QtLicenceNotice_win.cpp), where the LGPL asks that the user can relink it.
QString qtLicenceNotice();
