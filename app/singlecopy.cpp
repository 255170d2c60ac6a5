// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singlecopy.h"

#include "logging.h"
#include "programinfo.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {
constexpr QByteArrayView kShown = "shown\n";

QString userId()
{
#ifdef Q_OS_WIN
    // Named pipes are seen by every session of the machine.
    return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME");
#else
    return QString::number(getuid());
#endif
}
}

SingleCopy::SingleCopy(const QString& settingsFolder, QObject* parent)
    : QObject(parent)
    , m_name(serverName(settingsFolder))
    , m_server(new QLocalServer(this))
{
    // On Unix the socket is a file in the shared temporary folder: only its
    // user may connect. On Windows the pipe gets the same limit.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleCopy::answer);
}

QString SingleCopy::serverName(const QString& settingsFolder)
{
    QString folder = QDir::cleanPath(QFileInfo(settingsFolder).absoluteFilePath());
#ifdef Q_OS_WIN
    // C:\Data and c:\data are one folder there.
    folder = folder.toLower();
#endif
    const QByteArray key = (userId() + u'\n' + folder).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return u"%1-%2"_s.arg(ProgramInfo::commandName, QString::fromLatin1(hash.left(24)));
}

bool SingleCopy::handedToRunningCopy()
{
    // The turn lasts from the question to the listening, a moment without any
    // window. A start that does not get it within the wait goes on without:
    // the one holding it is stopped, and must not stop this one too. The lock
    // of a copy that died is stale, and QLockFile takes it over.
    QLockFile turn(QDir(QDir::tempPath()).filePath(m_name + u".lock"_s));
    const bool hasTurn = turn.tryLock(int(kAnswerWait.count()));
    if (!hasTurn)
        qCWarning(lcCopy) << "no turn to start:" << turn.error();
    const Answer answer = askRunningCopy();
    if (answer == Answer::Shown)
        return true;
    if (answer == Answer::Silent)
        qCWarning(lcCopy) << "the running copy does not answer; this one takes over";
    listen();
    return false;
}

SingleCopy::Answer SingleCopy::askRunningCopy() const
{
#ifdef Q_OS_WIN
    // Lets the running copy bring its window in front of this start's.
    AllowSetForegroundWindow(ASFW_ANY);
#endif
    // A copy that hangs still accepts the connection (the system does that
    // for it) but never answers. One second is far more than a working copy
    // takes, whose window thread never waits long, and short enough for the
    // user who started this one: after it, this copy runs instead.
    const QDeadlineTimer deadline(kAnswerWait);
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return Answer::Nobody;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return socket.state() == QLocalSocket::ConnectedState ? Answer::Silent : Answer::Nobody;
    }
    return socket.readLine() == kShown ? Answer::Shown : Answer::Silent;
}

void SingleCopy::listen()
{
    if (m_server->listen(m_name))
        return;
    // On Unix a socket file stays after a copy that was killed, or belongs to
    // one that hangs; on Windows the pipe goes with its copy. (Qt 6.4 makes a
    // user-only socket beside its name and renames it into place, over such
    // a file; a Qt that binds to the name itself meets the file here.)
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_name);
        if (m_server->listen(m_name))
            return;
    }
    // Without it the program still runs; only a later start opens a second
    // window.
    qCWarning(lcCopy) << "cannot listen:" << m_server->errorString();
}

void SingleCopy::answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        emit showRequested();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->write(kShown.data(), kShown.size());
        socket->disconnectFromServer();
    }
}
