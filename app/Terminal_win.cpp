#include "ProgramIdentity.h"
#include "Terminal.h"

#include <windows.h>

namespace {

bool writeToConsole(HANDLE console, const QString& text)
{
    DWORD written = 0;
    return WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.utf16()),
                         static_cast<DWORD>(text.size()), &written, nullptr) != 0;
}

} // namespace

namespace Terminal {

void print(std::FILE* stream, const QString& text)
{
    const bool error = stream == stderr;
    const HANDLE handle = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        // A console takes the text as it is, in any script; a file or a pipe gets UTF-8, as
        // on Linux.
        DWORD mode = 0;
        if (GetConsoleMode(handle, &mode) && writeToConsole(handle, text)) {
            return;
        }
        const QByteArray bytes = text.toUtf8();
        DWORD written = 0;
        if (WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written,
                      nullptr)) {
            return;
        }
    }
    // A program of the Windows subsystem started from a console window gets no handles of
    // its own, but may write to that console.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        const bool written = console != INVALID_HANDLE_VALUE &&
                             writeToConsole(console, QStringLiteral("\r\n") + text);
        if (console != INVALID_HANDLE_VALUE) {
            CloseHandle(console);
        }
        FreeConsole();
        if (written) {
            return;
        }
    }
    const QString title = QString::fromLatin1(ProgramIdentity::name);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()),
                reinterpret_cast<const wchar_t*>(title.utf16()),
                MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace Terminal
