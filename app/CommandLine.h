#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's own options, --version and --help, read from what Qt leaves of the arguments
// once it has taken its standard ones (-platform, -style, -reverse, -session, ...).
namespace CommandLine {

// What the program says instead of opening its window: an answer (status 0, for standard
// output) or the refusal of an argument (status 2, for standard error).
struct Reply
{
    int status;
    QString text;
};

// The answer, the refusal of the first argument that is not one option alone, or nothing
// where the window is to open.
std::optional<Reply> reply(const QStringList& arguments);

} // namespace CommandLine
