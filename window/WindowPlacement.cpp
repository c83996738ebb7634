#include "WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>

namespace {

// Puts the window, its `frame` included, in the middle of its screen.
void placeCentred(QWidget& window, const QMargins& frame)
{
    const QPoint frameTopLeft =
        centredTopLeft(window.screen()->availableGeometry(), window.size().grownBy(frame));
    // Where the frame is unknown, Qt is given the frame's corner, which keeps the title bar on
    // the screen once the window manager has framed it; where it is known, the client area.
    if (frame.isNull()) {
        window.move(frameTopLeft);
    } else {
        window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
    }
}

// Centres the window once more, frame included, when a move or an expose finds it framed: an
// X11 window manager sets the frame's extents as it maps the window, and Qt reads them again
// after each. Until they are set, Qt measures the frame that the window manager is still
// building, so the window is placed again whenever the frame changes. A frame of nothing (a
// borderless window) changes nothing. Stays a few seconds: later changes of the frame
// (undecorated) are the person's doing and keep the window where it is.
class FrameWatcher : public QObject
{
public:
    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window)
    {
        window.windowHandle()->installEventFilter(this);
        QTimer::singleShot(std::chrono::seconds(5), this, &QObject::deleteLater);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Expose) {
            const QMargins frame = window_.windowHandle()->frameMargins();
            if (!frame.isNull() && frame != placed_ && window_.windowState() == Qt::WindowNoState) {
                placed_ = frame;
                placeCentred(window_, frame);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    QMargins placed_;
};

} // namespace

void showCentredOnScreen(QWidget& window)
{
    // Windows knows the frame from the window's style once the native window exists.
    window.winId();
    const QMargins frame = window.windowHandle()->frameMargins();
    placeCentred(window, frame);
    if (frame.isNull()) {
        new FrameWatcher(window);
    }
    window.show();
    // Without a window manager nobody else gives the window the keyboard.
    window.activateWindow();
    window.raise();
}
