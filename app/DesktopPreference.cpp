#include "DesktopPreference.h"

#include <QByteArrayList>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>
#include <wayland-client.h>

namespace {

bool platformNamedByUser(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return true;
    }
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        const std::string_view option = argument;
        return option == "-platform" || option == "--platform" ||
               option.starts_with("-platform=") || option.starts_with("--platform=");
    });
}

bool onGnome()
{
    const QByteArrayList desktops = qgetenv("XDG_CURRENT_DESKTOP").toLower().split(':');
    return desktops.contains("gnome");
}

struct Outputs
{
    std::vector<std::unique_ptr<wl_output, decltype(&wl_output_destroy)>> bound;
    int largestScale = 1;
};

// Bound at version 2, an output sends the first four events and no others.
const wl_output_listener outputListener = {
    .geometry = [](void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
                   const char*, int32_t) {},
    .mode = [](void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {},
    .done = [](void*, wl_output*) {},
    .scale =
        [](void* data, wl_output*, int32_t scale) {
            auto* outputs = static_cast<Outputs*>(data);
            outputs->largestScale = std::max(outputs->largestScale, int(scale));
        },
    .name = [](void*, wl_output*, const char*) {},
    .description = [](void*, wl_output*, const char*) {},
};

const wl_registry_listener registryListener = {
    [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
        // The scale came with version 2 of wl_output.
        if (std::strcmp(interface, wl_output_interface.name) != 0 || version < 2) {
            return;
        }
        auto* outputs = static_cast<Outputs*>(data);
        auto* output =
            static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        outputs->bound.emplace_back(output, &wl_output_destroy);
        wl_output_add_listener(output, &outputListener, outputs);
    },
    [](void*, wl_registry*, uint32_t) {},
};

// The largest scale among the compositor's outputs; 0 when it cannot be reached.
int largestOutputScale()
{
    const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(
        wl_display_connect(nullptr), &wl_display_disconnect);
    if (!display) {
        return 0;
    }
    Outputs outputs;
    const std::unique_ptr<wl_registry, decltype(&wl_registry_destroy)> registry(
        wl_display_get_registry(display.get()), &wl_registry_destroy);
    wl_registry_add_listener(registry.get(), &registryListener, &outputs);
    // The first round trip lists the outputs, the second brings their scales.
    if (wl_display_roundtrip(display.get()) < 0 || wl_display_roundtrip(display.get()) < 0) {
        return 0;
    }
    return outputs.largestScale;
}

} // namespace

void preferDesktopPlatform(int argc, char* argv[])
{
    if (platformNamedByUser(argc, argv) || !onGnome() ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return;
    }
    if (largestOutputScale() == 1) {
        // A list: where XWayland does not start after all, Qt goes on to Wayland.
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}
