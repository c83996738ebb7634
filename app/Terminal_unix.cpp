#include "Terminal.h"

namespace Terminal {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text), stream);
}

} // namespace Terminal
