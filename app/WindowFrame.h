#pragma once

#include <QMargins>

class Form1;

// The frame an X11 window manager will put around `window`, asked for before the window is
// mapped (_NET_REQUEST_FRAME_EXTENTS), so that the framed window can be placed right the
// first time instead of jumping once the frame appears. Creates the native window when a
// window manager is there to ask. Empty without one that answers, and on other platforms,
// where the compositor places the window.
// Under an X11 window manager that frames windows without answering the request (KWin), the
// window is centred again, frame included, as soon as the frame's extents arrive when it is
// mapped, before it paints its first picture.
QMargins frameBeforeShow(Form1& window);
