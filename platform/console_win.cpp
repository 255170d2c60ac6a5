// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "console.h"

#include "programinfo.h"

#include <windows.h>

namespace {
bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// The console of the program that started this one, attached once: a second
// AttachConsole fails as the first already attached it.
HANDLE parentConsole()
{
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
            return INVALID_HANDLE_VALUE;
        // The standard handles stay as they were; the console's own output
        // handle is opened by name.
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

bool writeToConsole(HANDLE console, const QString& text)
{
    DWORD written = 0;
    return isConsole(console)
        && WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.utf16()),
            DWORD(text.size()), &written, nullptr);
}
}

void Console::write(Stream stream, const QString& text, Unseen unseen)
{
    const HANDLE own
        = GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (own && own != INVALID_HANDLE_VALUE && !isConsole(own)) {
        const QByteArray bytes = text.toUtf8();
        DWORD written = 0;
        if (WriteFile(own, bytes.constData(), DWORD(bytes.size()), &written, nullptr))
            return;
    }
    if (writeToConsole(own, text) || writeToConsole(parentConsole(), text)
        || unseen == Unseen::Drop)
        return;
    // MessageBoxW shows plain text: nothing in it is read as markup.
    const QString shown = text.trimmed();
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(shown.utf16()),
        reinterpret_cast<const wchar_t*>(ProgramInfo::caption.utf16()),
        MB_OK | (stream == Stream::Error ? MB_ICONERROR : MB_ICONINFORMATION));
}
