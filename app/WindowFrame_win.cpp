#include "WindowFrame.h"

#include <QWidget>
#include <QWindow>

// Windows knows a window's frame from its style as soon as the native window exists, so the
// framed window can be centred before it is shown.
QMargins frameBeforeShow(QWidget& window)
{
    window.winId();
    const QWindow* native = window.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}
