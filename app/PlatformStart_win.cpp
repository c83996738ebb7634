#include "PlatformStart.h"

#include <cstdio>

// Qt's Windows platform is always there and makes the process aware of each monitor's scale
// (125 %, 150 %, 200 %): the window is laid out in logical pixels and drawn at the screen's
// resolution, so it stays sharp and keeps its proportions without help.
namespace PlatformStart {

void beforeApplication(int /*argc*/, char* /*argv*/[])
{
    // C leaves stderr unbuffered, but Microsoft's runtime buffers it when it goes to a file or
    // a pipe: the line about a silent loudspeaker would come only when the program ends.
    std::setvbuf(stderr, nullptr, _IONBF, 0);
}

void applicationStarted() {}

} // namespace PlatformStart
