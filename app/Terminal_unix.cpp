#include "Terminal.h"

namespace Terminal {

void print(std::FILE* stream, const QString& text)
{
    // UTF-8 whatever the locale says, as Qt itself writes.
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace Terminal
