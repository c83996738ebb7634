#include "WindowPlacement.h"

#include "Form1.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>

namespace {

// Centres the window once more, frame included, when a move or an expose finds it framed: an
// X11 window manager sets the frame's extents as it maps the window, and Qt reads them again
// after each. Until they are set, Qt measures the frame that the window manager is still
// building, so the window is placed again whenever the frame changes. A frame of nothing (a
// borderless window) changes nothing. Stays a few seconds: later changes of the frame
// (undecorated) are the person's doing and keep the window where it is.
class FrameWatcher : public QObject
{
public:
    explicit FrameWatcher(Form1& window) : QObject(&window), window_(window)
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
                window_.placeCentred(frame);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Form1& window_;
    QMargins placed_;
};

} // namespace

void centreOnceFramed(Form1& window)
{
    new FrameWatcher(window);
}
