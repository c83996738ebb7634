#include "XDisplay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <xcb/xcb.h>

namespace {

double screenDpi(const xcb_screen_t& screen)
{
    if (screen.width_in_millimeters == 0) {
        return 96;
    }
    return screen.width_in_pixels * 25.4 / screen.width_in_millimeters;
}

// Desktops that scale publish "Xft.dpi" in the root window's resource database.
bool hasXftDpi(xcb_connection_t* connection, const xcb_screen_t& screen)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, screen.root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1u << 20);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply) {
        return false;
    }
    const std::string_view resources(
        static_cast<const char*>(xcb_get_property_value(reply.get())),
        static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    return resources.find("Xft.dpi:") != std::string_view::npos;
}

} // namespace

XDisplayProbe probeXDisplay()
{
    XDisplayProbe probe;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    probe.connection.reset(connection, &xcb_disconnect);
    probe.opened = xcb_connection_has_error(connection) == 0;
    if (!probe.opened) {
        return probe;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem > 0) {
        probe.serverDpi = screenDpi(*screens.data);
        probe.desktopSetsScale = hasXftDpi(connection, *screens.data);
    }
    return probe;
}

double scaleForServerDpi(double dpi)
{
    return std::max(1.0, std::round(dpi / 96.0 * 4.0) / 4.0);
}
