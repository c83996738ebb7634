#include "Form1.h"
#include "WindowFrame.h"

#include <QWindow>

// Windows knows a window's frame from its style as soon as the native window exists, so the
// framed window can be centred before it is shown.
QMargins frameBeforeShow(Form1& window)
{
    window.winId();
    const QWindow* native = window.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}
