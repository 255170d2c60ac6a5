// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace AtomicFile {

FileTrouble sync(QFileDevice& file)
{
    if (!file.flush())
        return FileTrouble::fromSystemText(file.errorString());
#ifdef Q_OS_UNIX
    // Some file systems give out the space only now (delayed allocation);
    // one that cannot sync at all is no reason to fail.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return FileTrouble::fromErrno(errno);
#endif
    return {};
}

FileTrouble replace(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // QSaveFile says in words of its own that the old file is read-only.
        const QFileInfo old(path);
        if (old.exists() && !old.isWritable())
            return FileTrouble(FileTrouble::Kind::NoPermission, file.errorString());
        return FileTrouble::fromSystemText(file.errorString());
    }
    // A short write is no error yet; the write of the rest tells why.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return FileTrouble::fromSystemText(file.errorString());
        written += count;
    }
    if (FileTrouble trouble = sync(file); !trouble.isNone())
        return trouble;
    // Destroying an uncommitted QSaveFile removes its temporary file.
    if (!file.commit())
        return FileTrouble::fromSystemText(file.errorString());
    return {};
}

} // namespace AtomicFile
