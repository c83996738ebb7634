#include "PlatformStart.h"

// Qt's Windows platform is always there and makes the process aware of each monitor's scale
// (125 %, 150 %, 200 %): the window is laid out in logical pixels and drawn at the screen's
// resolution, so it stays sharp and keeps its proportions without help.
namespace PlatformStart {

std::optional<int> beforeApplication()
{
    return std::nullopt;
}

void applicationStarted() {}

} // namespace PlatformStart
