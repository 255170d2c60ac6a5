// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diskwrite.h"

#include <QDir>
#include <QFile>

#include <io.h>
#include <string>
#include <windows.h>

FileTrouble DiskWrite::waitForDisk(QFileDevice& file)
{
    // Windows gives out the space at the write already, so only the wait
    // matters here, and a file that cannot be flushed is no reason to fail.
    if (file.handle() != -1)
        FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
    return {};
}

// Windows refuses to replace a file that somebody has open without letting
// it go away under them, as Qt opens every file: this program's board reads
// the settings each second, and a virus scanner or another classroom's copy
// over the network reads them too. Such a read lasts a moment: the rename is
// tried again for a while before the save is said to have failed.
FileTrouble DiskWrite::renameOver(const QString& from, const QString& to)
{
    constexpr int kTries = 20;
    constexpr DWORD kWaitMs = 25;
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    for (int tried = 1;; ++tried) {
        if (MoveFileExW(
                source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || tried == kTries)
            return FileTrouble::fromSystemText(qt_error_string(int(error)));
        Sleep(kWaitMs);
    }
}
