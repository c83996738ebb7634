#include "ProgramIdentity.h"
#include "Terminal.h"

#include <QGuiApplication>
#include <windows.h>

namespace Terminal {

void print(std::FILE* stream, const QString& text)
{
    const bool error = stream == stderr;
    const HANDLE handle = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0, written = 0;
    // A console takes the text in its own characters, in any script; a file or a pipe gets
    // UTF-8, as on Linux, at once: Microsoft's C runtime would hold stderr back there.
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        const QByteArray bytes = text.toUtf8();
        if (GetConsoleMode(handle, &mode)
                ? WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.utf16()),
                                static_cast<DWORD>(text.size()), &written, nullptr)
                : WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written,
                            nullptr)) {
            return;
        }
    }
    // A program started from the Start menu or a console window, which keeps no handles for a
    // program with windows, answers in a message box; with its window open, the loudspeaker's
    // lines are not worth one.
    if (QGuiApplication::topLevelWindows().isEmpty()) {
        MessageBoxW(
            nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()),
            reinterpret_cast<const wchar_t*>(QString::fromLatin1(ProgramIdentity::name).utf16()),
            MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
    }
}

} // namespace Terminal
