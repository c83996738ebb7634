#pragma once

#include <QString>
#include <cstdio>

// Where the program's own lines go, a file per platform: the terminal, in UTF-8, on Linux
// (Terminal_unix.cpp); on Windows the console in its own characters, a file or a pipe in
// UTF-8, else a message box (Terminal_win.cpp). Usable before the application object exists.
namespace Terminal {

void print(std::FILE* stream, const QString& text);

} // namespace Terminal
