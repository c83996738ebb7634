#include "WindowFontSetup.h"
#include "WindowFonts.h"

#include <fontconfig/fontconfig.h>
#include <future>

namespace {

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

// FcConfigSetCurrent() takes a reference of its own from fontconfig 2.13 on.
static_assert(FC_VERSION >= 21300, "fontconfig 2.13 or later");

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

void startLoading()
{
    if (std::future<void>& loading = configurationLoading(); !loading.valid()) {
        loading = std::async(std::launch::async, loadConfiguration);
    }
}

} // namespace WindowFonts
