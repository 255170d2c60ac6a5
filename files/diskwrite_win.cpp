// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diskwrite.h"

#include <QDir>
#include <QFile>

#include <io.h>
#include <windows.h>

FileTrouble DiskWrite::waitForDisk(QFileDevice& file)
{
    // Windows gives out the space at the write already, so only the wait
    // matters here, and a file that cannot be flushed is no reason to fail.
    if (file.handle() != -1)
        FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
    return {};
}

FileTrouble DiskWrite::renameOver(const QString& from, const QString& to)
{
    if (MoveFileExW(QDir::toNativeSeparators(from).toStdWString().c_str(),
            QDir::toNativeSeparators(to).toStdWString().c_str(),
            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return FileTrouble::fromSystemText(qt_error_string()); // GetLastError()'s text
}
