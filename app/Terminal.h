#pragma once

#include <QString>
#include <cstdio>

// Where the program's own lines go (answers to --version and --help, and what went wrong), a
// file per platform: the terminal on Linux (Terminal_unix.cpp); on Windows the console or
// file the program's output goes to, else the console it was started from, else a message
// box, since a program started from the Start menu has no console (Terminal_win.cpp).
namespace Terminal {

// Writes `text` to `stream`, stdout or stderr; works before the application object exists.
void print(std::FILE* stream, const QString& text);

} // namespace Terminal
