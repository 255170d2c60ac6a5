// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyendpoint.h"

#include "programinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Who is at the other end of a connected local socket, as the system says.
std::optional<ucred> peerCredentials(qintptr descriptor)
{
    ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0
        || size != sizeof peer)
        return std::nullopt;
    return peer;
}

// What becomes of a folder of the user's own that others may enter.
enum class OpenToOthers { Refused, Closed };

// Why `folder` cannot hold the socket, or nothing. It is opened without
// following a link, and what was opened is checked, so that nothing can be
// put in its place between the look and the check; in the temporary folder
// no other user can rename or remove it after that (its sticky bit).
QString unfit(const QString& folder, OpenToOthers open)
{
    const int fd = ::open(
        QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return u"%1: %2"_s.arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status { };
    const bool known = ::fstat(fd, &status) == 0;
    QString why;
    if (!known)
        why = QString::fromLocal8Bit(std::strerror(errno));
    else if (status.st_uid != ::geteuid())
        why = u"owned by uid %1"_s.arg(status.st_uid);
    else if ((status.st_mode & 07777) != S_IRWXU
        && (open == OpenToOthers::Refused || ::fchmod(fd, S_IRWXU) != 0))
        why = u"mode %1"_s.arg(uint(status.st_mode & 07777), 4, 8, QChar(u'0'));
    ::close(fd);
    return why.isEmpty() ? QString() : folder + u": "_s + why;
}

// Whether a socket's name fits where the system keeps it.
bool fits(const QString& path)
{
    return QFile::encodeName(path).size() < qsizetype(sizeof(sockaddr_un::sun_path));
}
}

CopyEndpoint::CopyEndpoint(const QString& settingsFolder)
{
    const QString name = socketName(settingsFolder);
    QStringList troubles;
    const auto use = [&](const QString& folder, OpenToOthers open) {
        const QString path = QDir(folder).filePath(name);
        const QString why = fits(path) ? unfit(folder, open) : path + u": too long"_s;
        if (!why.isEmpty()) {
            troubles.append(why);
            return false;
        }
        m_serverName = path;
        m_lockFilePath = path + u".lock"_s;
        return true;
    };
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && use(runtime, OpenToOthers::Refused))
        return;
    const QString own = QDir(QDir::tempPath())
                            .filePath(u"%1-%2"_s.arg(ProgramInfo::commandName).arg(::geteuid()));
    ::mkdir(QFile::encodeName(own).constData(), S_IRWXU);
    if (!use(own, OpenToOthers::Closed))
        m_trouble = troubles.join(u"; "_s);
}

QString CopyEndpoint::userKey() { return QString::number(::geteuid()); }

QString CopyEndpoint::folderKey(const QString& settingsFolder)
{
    return QDir::cleanPath(QFileInfo(settingsFolder).absoluteFilePath());
}

qintptr CopyEndpoint::listeningSocket(QString& trouble) const
{
    // Qt removes the name it listened at when it stops listening, even when
    // a later copy's socket is there by then; a socket it is handed is made
    // under another name, the one Qt removes, which is gone after the rename.
    // The pid keeps two starts' names apart, and is shorter than the name.
    const QByteArray name = QFile::encodeName(m_serverName);
    const QByteArray made
        = QFile::encodeName(QFileInfo(m_serverName).dir().filePath(u".%1.new"_s.arg(::getpid())));
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, made.constData(), sizeof address.sun_path);
    ::unlink(made.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::listen(fd, SOMAXCONN) == 0 && ::rename(made.constData(), name.constData()) == 0)
        return fd;
    trouble = u"%1: %2"_s.arg(m_serverName, QString::fromLocal8Bit(std::strerror(errno)));
    if (fd >= 0)
        ::close(fd);
    ::unlink(made.constData());
    return -1;
}

QByteArray CopyEndpoint::nameHolder() const
{
    struct stat status { };
    if (::lstat(QFile::encodeName(m_serverName).constData(), &status) != 0)
        return {};
    return QByteArray::number(quint64(status.st_dev)) + ':'
        + QByteArray::number(quint64(status.st_ino));
}

void CopyEndpoint::releaseName(const QByteArray& holder) const
{
    if (!holder.isEmpty() && nameHolder() == holder)
        ::unlink(QFile::encodeName(m_serverName).constData());
}

bool CopyEndpoint::peerIsThisUser(qintptr descriptor)
{
    const std::optional<ucred> peer = peerCredentials(descriptor);
    return peer && peer->uid == ::geteuid();
}

qint64 CopyEndpoint::peerProcessId(qintptr descriptor)
{
    const std::optional<ucred> peer = peerCredentials(descriptor);
    return peer ? peer->pid : 0;
}

bool CopyEndpoint::processEnded(qint64 id, QDeadlineTimer deadline)
{
    // Not a child of this one: there is nothing to wait on but its being.
    while (id > 0 && (::kill(pid_t(id), 0) == 0 || errno == EPERM)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

void CopyEndpoint::allowAnswerToComeForward() { }
