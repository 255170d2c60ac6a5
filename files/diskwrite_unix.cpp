// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diskwrite.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

FileTrouble DiskWrite::waitForDisk(QFileDevice& file)
{
    // One that cannot sync at all is no reason to fail.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return FileTrouble::fromErrno(errno);
    return {};
}

FileTrouble DiskWrite::renameOver(const QString& from, const QString& to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return FileTrouble::fromErrno(errno);
}
