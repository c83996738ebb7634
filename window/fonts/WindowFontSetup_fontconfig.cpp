#include "WindowFontSetup.h"
#include "WindowFonts.h"

#include <fontconfig/fontconfig.h>
#include <future>

namespace {

// FcConfigSetCurrent() takes a reference of its own from fontconfig 2.13 on.
static_assert(FC_VERSION >= 21300, "fontconfig 2.13 or later");

// The rules and fonts that FcInit() loads, without what it also reads for `fc-conflist`, the
// description of every configuration file that is available but not enabled, which is a
// third of its time. Where that fails, FcInit() with its own fallbacks.
void loadConfiguration()
{
    FcConfig* config = FcConfigCreate();
    const bool loaded = config != nullptr && FcConfigParseAndLoad(config, nullptr, FcTrue) &&
                        FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
    if (config != nullptr) {
        FcConfigDestroy(config);
    }
    if (!loaded) {
        FcInit();
    }
}

std::future<void>& configurationLoading()
{
    static std::future<void> loading;
    return loading;
}

} // namespace

namespace WindowFontSetup {

// Qt would read the configuration all over again if it asked for it before the worker is
// done.
void waitUntilReady()
{
    if (std::future<void>& loading = configurationLoading(); loading.valid()) {
        loading.get();
    }
}

} // namespace WindowFontSetup

namespace WindowFonts {

// Qt 6.4 and 6.8 alike read fontconfig's configuration on the GUI thread, the first time the
// font database is asked for a face; read here on a worker while Qt connects to the display,
// it is current by then, and Qt's own FcInit() finds it. A workaround for start-up time only:
// bench/run-benchmarks --launch-only against a build without it shows the gain (1.1 to 1.6 ms,
// docs/figures.md), and it goes when that is no more than the spread between two builds of
// the same code, as when a Qt reads the configuration off the GUI thread itself.
void startLoading()
{
    if (std::future<void>& loading = configurationLoading(); !loading.valid()) {
        loading = std::async(std::launch::async, loadConfiguration);
    }
}

} // namespace WindowFonts
