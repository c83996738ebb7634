#pragma once

// Teaches Qt's accessibility how to present the window's own kinds of control: the printed
// area as static text and the loudspeaker as a button that can be pressed. Safe to call more
// than once.
void installWindowAccessibility();
