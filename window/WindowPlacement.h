#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

class QWidget;

// Where a window of `size`, its frame included, starts: in the middle of the screen's
// available area, but never with its top-left corner outside it, so that on a screen smaller
// than the window its title bar can still be grabbed to move it.
inline QPoint centredTopLeft(const QRect& available, const QSize& size)
{
    return {available.x() + std::max(0, (available.width() - size.width()) / 2),
            available.y() + std::max(0, (available.height() - size.height()) / 2)};
}

// Shows the top-level `window`, its frame included, in the middle of its screen, ready for the
// keyboard. Where the frame is not known before the window is shown (an X11 window manager
// frames a window only as it maps it), centres it once more when its frame comes.
void showCentredOnScreen(QWidget& window);
