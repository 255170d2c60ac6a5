// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// A real full file system for tests of writes: a 64 KiB tmpfs, mounted in a
// mount namespace of a forked child's own so that nobody else sees it. Needs
// root (CI runs as root).
namespace TinyDisk {

// The child's status when the tmpfs could not be mounted.
constexpr int kNoNamespace = 3;

// Mounts the tmpfs at `mountPoint` in a child process and exits the child
// with what `body` returns (0 for success); gives the child's exit status,
// or -1 when it did not exit (crashed).
inline int run(const QString& mountPoint, const std::function<int()>& body)
{
    const QByteArray at = QFile::encodeName(mountPoint);
    const pid_t pid = fork();
    if (pid == 0) {
        if (unshare(CLONE_NEWNS) != 0
            || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k") != 0)
            _exit(kNoNamespace);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Fills the file system that holds `folder` with a file named "filler", then
// gives back `pagesLeft` pages of 4 KiB.
inline void fill(const QString& folder, int pagesLeft = 0)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (filler.write(QByteArray(4096, 'x')) > 0) { }
    filler.resize(filler.size() - 4096 * pagesLeft);
}

} // namespace TinyDisk

// Skips the test where no tiny disk can be had.
#define SKIP_WITHOUT_TINY_DISK(status)                                                             \
    do {                                                                                           \
        if (getuid() != 0)                                                                         \
            QSKIP("mounting a tiny tmpfs in a private mount namespace needs root");                \
        if ((status) == TinyDisk::kNoNamespace)                                                    \
            QSKIP("cannot mount a tmpfs in a private mount namespace here (no CAP_SYS_ADMIN?)");   \
    } while (false)
