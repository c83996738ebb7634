#pragma once

// Qt chooses the display platform itself (QT_QPA_PLATFORM and -platform first, then Wayland
// and X11 as the session offers them) and, where none of them starts, ends the process with
// a core dump. This catches that end and says instead, in one line in the user's language,
// what was tried and how to get a display, and exits with status 1.
namespace DisplayFailure {

// Call just before the application object is made. Qt's messages about the platforms it
// tries are held back meanwhile.
void watch();

// Call once the application object exists: hands the held messages on as Qt would have
// printed them, and stops watching.
void stopWatching();

} // namespace DisplayFailure
