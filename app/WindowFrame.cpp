#include "WindowFrame.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t name, xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The root window whose window manager answers frame requests; none without one.
xcb_window_t rootThatAnswers(xcb_connection_t* connection, xcb_atom_t request)
{
    const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection)); roots.rem > 0;
         xcb_screen_next(&roots)) {
        const auto atoms = property(connection, roots.data->root, supported, XCB_ATOM_ATOM);
        if (std::find(atoms.begin(), atoms.end(), request) != atoms.end()) {
            return roots.data->root;
        }
    }
    return XCB_WINDOW_NONE;
}

} // namespace

QMargins frameBeforeShow(QWidget& window)
{
    // The offscreen platform answers as X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return {};
    }
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_window_t root = rootThatAnswers(connection, request);
    if (root == XCB_WINDOW_NONE) {
        return {};
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The window manager answers by setting the property, usually within a millisecond; one
    // that is busy costs the start a fifth of a second at most.
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto frame = property(connection, message.window, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4) {
            // Left, right, top, bottom, in the screen's pixels.
            const double scale = window.devicePixelRatioF();
            return {qRound(frame[0] / scale), qRound(frame[2] / scale), qRound(frame[1] / scale),
                    qRound(frame[3] / scale)};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return {};
}
