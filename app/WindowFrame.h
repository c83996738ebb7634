#pragma once

#include <QMargins>

class QWidget;

// The frame an X11 window manager will put around `window`, asked for before the window is
// mapped (_NET_REQUEST_FRAME_EXTENTS), so that the framed window can be placed right the
// first time instead of jumping once the frame appears. Creates the native window when a
// window manager is there to ask. Empty without one that answers, and on other platforms,
// where the compositor places the window.
QMargins frameBeforeShow(QWidget& window);
