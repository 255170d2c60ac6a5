// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularFile {

FileTrouble open(QFile& file, const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FileTrouble::fromErrno(errno);
    struct stat status { };
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0
        || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return FileTrouble(FileTrouble::Kind::NotAFile);
    }
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileTrouble::fromSystemText(file.errorString());
    }
    return {};
#else
    // On Windows pipes and devices live outside the folders a user picks from.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileTrouble(FileTrouble::Kind::NotAFile);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileTrouble::fromSystemText(file.errorString());
    return {};
#endif
}

} // namespace RegularFile
