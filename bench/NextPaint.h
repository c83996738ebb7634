#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

// Calls a function once after the next Paint a widget receives. The call is queued, so it
// runs only when the repaint in progress has finished, children and the flush to the
// window included: by then the frame is on its way to the display.
class NextPaint : public QObject
{
public:
    explicit NextPaint(QWidget& widget) { widget.installEventFilter(this); }

    void then(std::function<void()> onPainted) { onPainted_ = std::move(onPainted); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && onPainted_) {
            QMetaObject::invokeMethod(this, std::exchange(onPainted_, {}), Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> onPainted_;
};
