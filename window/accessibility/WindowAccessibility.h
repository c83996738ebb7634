#pragma once

// Teaches Qt's accessibility how to present the window's own kinds of control: the window as a
// frame, the printed area as a status bar with a Text interface over the printed lines and the
// notices that announce them, and the loudspeaker as a button that can be pressed. Runs by
// itself as the application starts; safe to call again.
void installWindowAccessibility();
