#pragma once

// The modes of startup_probe. Each runs in a process of its own, after the QApplication
// is made, and prints "key value" lines.

// Form1 as the program shows it, quitting once its first frame is painted.
int startForm1();
// KOMPJUTER presses, each timed to the end of the repaint that shows its lines.
int measureClicks(int presses);
// The three buttons pressed in turn through the event loop, each press waiting for its
// repaint: the peak memory after the first 1,000 presses and after all of them.
int soakPresses(int presses);
// What each ingredient of Form1 adds to start-up, in the order Form1 meets them.
int measureStartupParts();
