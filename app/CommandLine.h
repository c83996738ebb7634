#pragma once

#include <QStringList>
#include <optional>

// The program's own options, --version and --help, checked after Qt has taken its standard
// ones (-platform, -style, -reverse, -session, ...) out of the arguments.
namespace CommandLine {

// Whether the arguments are only one of the program's own questions, which is answered
// before Qt starts and so needs no display.
bool onlyAsks(int argc, char* argv[]);

// Answers --version and --help, or refuses anything else with a line that names it (status
// 2). No answer means: open the window.
std::optional<int> answer(const QStringList& arguments);

} // namespace CommandLine
