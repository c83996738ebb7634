#include "WindowFrame.h"

#include "Form1.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
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

// _NET_FRAME_EXTENTS (left, right, top, bottom, in the screen's pixels) in the window's own
// logical pixels; empty while the window manager has not set them.
std::optional<QMargins> frameExtents(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t extents, double scale)
{
    const auto frame = property(connection, window, extents, XCB_ATOM_CARDINAL);
    if (frame.size() != 4) {
        return std::nullopt;
    }
    return QMargins(qRound(frame[0] / scale), qRound(frame[2] / scale), qRound(frame[1] / scale),
                    qRound(frame[3] / scale));
}

// Centres the window once more, frame included, when the window manager sets its frame
// extents at mapping. Stays a few seconds at most: later changes of the frame (maximised,
// undecorated) are the person's doing and keep the window where it is.
class FrameWatcher : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameWatcher(Form1& window, xcb_connection_t* connection, xcb_atom_t extents)
        : QObject(&window), window_(&window), connection_(connection),
          id_(static_cast<xcb_window_t>(window.winId())), extents_(extents)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
        QTimer::singleShot(std::chrono::seconds(5), this, &QObject::deleteLater);
    }

    ~FrameWatcher() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override
    {
        if (type != "xcb_generic_event_t" || placed_) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const int kind = event->response_type & 0x7f;
        if (kind == XCB_PROPERTY_NOTIFY) {
            const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (notify->window == id_ && notify->atom == extents_) {
                placeOnceFramed();
            }
        } else if (kind == XCB_EXPOSE && !exposed_ &&
                   reinterpret_cast<const xcb_expose_event_t*>(event)->window == id_) {
            // KWin sets the extents just after the window is shown: waiting for them here, a
            // few milliseconds and a fifth of a second at most, moves the window before it
            // paints its first picture, which is when KWin shows it.
            exposed_ = true;
            for (int attempt = 0; attempt < 100 && !placed_; ++attempt) {
                placeOnceFramed();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
        return false;
    }

private:
    void placeOnceFramed()
    {
        const auto frame = frameExtents(connection_, id_, extents_, window_->devicePixelRatioF());
        if (frame && !frame->isNull()) {
            placed_ = true;
            window_->placeCentred(*frame);
            deleteLater();
        }
    }

    Form1* window_;
    xcb_connection_t* connection_;
    xcb_window_t id_;
    xcb_atom_t extents_;
    bool placed_ = false;
    bool exposed_ = false;
};

// Whether a window manager runs on the screen: it names its check window on the root.
bool windowManagerRuns(xcb_connection_t* connection)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    return !property(connection, root, check, XCB_ATOM_WINDOW).empty();
}

} // namespace

QMargins frameBeforeShow(Form1& window)
{
    // The offscreen platform answers as X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return {};
    }
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const xcb_window_t root = rootThatAnswers(connection, request);
    if (root == XCB_WINDOW_NONE) {
        if (windowManagerRuns(connection)) {
            new FrameWatcher(window, connection, extents);
        }
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
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (const auto frame =
                frameExtents(connection, message.window, extents, window.devicePixelRatioF())) {
            return *frame;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return {};
}
