// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singlecopy.h"

#include "logging.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QVariant>

namespace {
constexpr QByteArrayView kShow = "show\n";
constexpr QByteArrayView kQuit = "quit\n";
constexpr QByteArrayView kShown = "shown\n";
constexpr QByteArrayView kEnding = "ending\n";
// A start of an older version asks nothing: after this long it is taken to
// ask for the window.
constexpr std::chrono::milliseconds kOlderStartWait { 500 };
constexpr char kAnswered[] = "gaokaoAnswered";
}

SingleCopy::SingleCopy(const QString& settingsFolder, QObject* parent)
    : QObject(parent)
    , m_endpoint(settingsFolder)
    , m_server(new QLocalServer(this))
{
    // On Windows this limits the pipe to its user; on Unix the socket's
    // folder does that already.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleCopy::answer);
}

bool SingleCopy::handedToRunningCopy()
{
    if (!m_endpoint.isUsable()) {
        qCWarning(lcCopy) << "no place for the one-copy socket, so this copy runs without:"
                          << m_endpoint.trouble();
        return false;
    }
    // The turn lasts from the question to the listening, a moment without any
    // window. A start that does not get it within the wait goes on without:
    // the one holding it is stopped, and must not stop this one too. The lock
    // of a copy that died is stale, and QLockFile takes it over.
    QLockFile turn(m_endpoint.lockFilePath());
    const bool hasTurn = turn.tryLock(int(kAnswerWait.count()));
    if (!hasTurn)
        qCWarning(lcCopy) << "no turn to start:" << turn.error();
    const Answer answer = askRunningCopy(Request::Show);
    if (answer == Answer::Shown)
        return true;
    if (answer == Answer::Silent)
        qCWarning(lcCopy) << "the running copy does not answer; this one takes over";
    if (answer == Answer::Stranger)
        qCWarning(lcCopy) << "a program of another user is at" << m_endpoint.serverName()
                          << "; this one takes over";
    listen();
    return false;
}

SingleCopy::QuitOutcome SingleCopy::askToQuit() const
{
    if (!m_endpoint.isUsable())
        return QuitOutcome::NoneRunning;
    qint64 process = 0;
    switch (askRunningCopy(Request::Quit, &process)) {
    case Answer::Ending:
        // It has the question, and says so before it saves: its end is the
        // sign that it has saved.
        return CopyEndpoint::processEnded(process, QDeadlineTimer(kEndWait))
            ? QuitOutcome::Ended
            : QuitOutcome::StillRunning;
    case Answer::Shown:
        return QuitOutcome::OlderCopy;
    case Answer::Silent:
        return QuitOutcome::StillRunning;
    case Answer::Nobody:
    case Answer::Stranger:
        break;
    }
    return QuitOutcome::NoneRunning;
}

SingleCopy::Answer SingleCopy::askRunningCopy(Request request, qint64* process) const
{
    CopyEndpoint::allowAnswerToComeForward();
    // A copy that hangs still accepts the connection (the system does that
    // for it) but never answers. One second is far more than a working copy
    // takes, whose window thread never waits long, and short enough for the
    // user who started this one: after it, this copy runs instead.
    const QDeadlineTimer deadline(kAnswerWait);
    QLocalSocket socket;
    socket.connectToServer(m_endpoint.serverName());
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return Answer::Nobody;
    if (!CopyEndpoint::peerIsThisUser(socket.socketDescriptor()))
        return Answer::Stranger;
    if (process)
        *process = CopyEndpoint::peerProcessId(socket.socketDescriptor());
    const QByteArrayView question = request == Request::Quit ? kQuit : kShow;
    socket.write(question.data(), question.size());
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return socket.state() == QLocalSocket::ConnectedState ? Answer::Silent : Answer::Nobody;
    }
    const QByteArray line = socket.readLine();
    if (line == kShown)
        return Answer::Shown;
    return line == kEnding ? Answer::Ending : Answer::Silent;
}

void SingleCopy::listen()
{
    if (m_server->listen(m_endpoint.serverName()))
        return;
    // On Unix a socket file stays after a copy that was killed, or belongs to
    // one that hangs; on Windows the pipe goes with its copy. (Qt 6.4 makes a
    // user-only socket beside its name and renames it into place, over such
    // a file; a Qt that binds to the name itself meets the file here.)
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_endpoint.serverName());
        if (m_server->listen(m_endpoint.serverName()))
            return;
    }
    // Without it the program still runs; only a later start opens a second
    // window.
    qCWarning(lcCopy) << "cannot listen:" << m_server->errorString();
}

void SingleCopy::answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!CopyEndpoint::peerIsThisUser(socket->socketDescriptor())) {
            qCWarning(lcCopy) << "a program of another user asked for the window; not shown";
            socket->disconnectFromServer();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (socket->canReadLine())
                respond(socket, socket->readLine());
        });
        QTimer::singleShot(kOlderStartWait, socket, [this, socket] { respond(socket, kShow); });
        if (socket->canReadLine())
            respond(socket, socket->readLine());
    }
}

void SingleCopy::respond(QLocalSocket* socket, QByteArrayView request)
{
    if (socket->property(kAnswered).toBool())
        return;
    socket->setProperty(kAnswered, true);
    if (request == kQuit) {
        // Said before the end, which may wait on a slow share; the connection
        // stays until this copy is gone.
        socket->write(kEnding.data(), kEnding.size());
        socket->flush();
        emit quitRequested();
        return;
    }
    emit showRequested();
    socket->write(kShown.data(), kShown.size());
    socket->flush();
    // The start that asked ends the connection once it has the answer:
    // Windows tells it who answers only while the pipe stays connected.
    // One that keeps it open is let go when it can no longer be waiting.
    QTimer::singleShot(2 * kAnswerWait, socket, &QObject::deleteLater);
}
