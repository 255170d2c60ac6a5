// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singlecopy.h"

#include "logging.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <climits>

using namespace Qt::StringLiterals;

namespace {
constexpr QByteArrayView kShow = "show\n";
constexpr QByteArrayView kQuit = "quit\n";
constexpr QByteArrayView kShown = "shown\n";
constexpr QByteArrayView kEnding = "ending\n";
constexpr QByteArrayView kStatus = "status\n";
constexpr QByteArrayView kRunning = "running\n";
// After "ending": "unsaved <what> <why>", each percent-encoded, and "also <process>".
constexpr QByteArrayView kUnsaved = "unsaved ";
constexpr QByteArrayView kAlso = "also ";
// How often a start that asked copies to end looks for one that answers at
// the name after them.
constexpr std::chrono::milliseconds kNextCopyLook { 100 };
// A start of an older version asks nothing: after this long it is taken to
// ask for the window.
constexpr std::chrono::milliseconds kOlderStartWait { 500 };
constexpr char kAnswered[] = "gaokaoAnswered";
}

SingleCopy::SingleCopy(const QString& settingsFolder, QObject* parent)
    : QObject(parent)
    , m_endpoint(settingsFolder)
    , m_server(new QLocalServer(this))
    , m_nameCheck(new QTimer(this))
{
    // On Windows this limits the pipe to its user; on Unix the socket's
    // folder does that already.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleCopy::answer);
    m_nameCheck->setInterval(kNameCheck);
    connect(m_nameCheck, &QTimer::timeout, this, &SingleCopy::checkName);
}

SingleCopy::~SingleCopy()
{
    if (m_server->isListening())
        m_endpoint.releaseName(m_holder);
}

SingleCopy::State SingleCopy::state() const
{
    if (!m_endpoint.isUsable())
        return { u"无法检查是否正在运行：%1"_s.arg(m_endpoint.trouble()), false };
    qint64 process = 0;
    switch (askRunningCopy(Request::Status, &process)) {
    case Answer::Running:
        return { u"正在运行（进程 %1）"_s.arg(process), false };
    case Answer::Shown:
    case Answer::Ending:
        return { u"正在运行（旧版本，已显示它的窗口）"_s, false };
    case Answer::Silent:
        return { u"有一个在运行，但 1 秒内没有回答（进程 %1）"_s.arg(process), true };
    case Answer::Nobody:
    case Answer::Stranger:
        break;
    }
    return { u"没有运行"_s, false };
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
    qint64 process = 0;
    const Answer answer = askRunningCopy(Request::Show, &process);
    if (answer == Answer::Shown)
        return true;
    if (answer == Answer::Silent) {
        qCWarning(lcCopy) << "the running copy does not answer; this one takes over";
        // It may go on later: a start that asks to quit is told of it.
        if (process > 0)
            m_displaced.append(process);
    }
    if (answer == Answer::Stranger)
        qCWarning(lcCopy) << "a program of another user is at" << m_endpoint.serverName()
                          << "; this one takes over";
    listen();
    m_nameCheck->start();
    return false;
}

SingleCopy::QuitResult SingleCopy::askToQuit() const
{
    QElapsedTimer clock;
    clock.start();
    const QDeadlineTimer end(kEndWait);
    QuitResult result;
    const auto outcome = [&](QuitOutcome outcome) {
        result.outcome = outcome;
        result.waited = std::chrono::milliseconds(clock.elapsed());
        return result;
    };
    if (!m_endpoint.isUsable())
        return outcome(QuitOutcome::NoneRunning);
    // Copies that a copy which ended named: each answers at the name once the
    // one before it has gone, and is asked in turn.
    QList<qint64> named;
    bool ended = false;
    for (;;) {
        qint64 process = 0;
        QList<QByteArray> lines;
        switch (askRunningCopy(Request::Quit, &process, &lines, end)) {
        case Answer::Ending:
            for (const QByteArray& line : std::as_const(lines)) {
                const QList<QByteArray> parts = line.trimmed().split(' ');
                if (line.startsWith(kUnsaved) && parts.size() == 3)
                    result.unsaved.append(
                        { QString::fromUtf8(QByteArray::fromPercentEncoding(parts[1])),
                            QString::fromUtf8(QByteArray::fromPercentEncoding(parts[2])) });
                else if (line.startsWith(kAlso) && parts.size() == 2 && parts[1].toLongLong() > 0)
                    named.append(parts[1].toLongLong());
            }
            // It had the question, and said so before it saved: its end is
            // the sign that it has saved what it could.
            if (!CopyEndpoint::processEnded(process, end))
                return outcome(QuitOutcome::StillRunning);
            ended = true;
            continue;
        case Answer::Shown:
            return outcome(QuitOutcome::OlderCopy);
        case Answer::Silent:
        case Answer::Running: // no answer to this question
            return outcome(QuitOutcome::NoAnswer);
        case Answer::Nobody:
        case Answer::Stranger:
            break;
        }
        named.removeIf(
            [](qint64 copy) { return CopyEndpoint::processEnded(copy, QDeadlineTimer(0)); });
        if (named.isEmpty())
            return outcome(ended ? QuitOutcome::Ended : QuitOutcome::NoneRunning);
        if (end.hasExpired())
            return outcome(QuitOutcome::StillRunning);
        QThread::msleep(ulong(kNextCopyLook.count()));
    }
}

SingleCopy::Answer SingleCopy::askRunningCopy(
    Request request, qint64* process, QList<QByteArray>* lines, QDeadlineTimer end) const
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
    const QByteArrayView question = request == Request::Quit ? kQuit
        : request == Request::Status                         ? kStatus
                                                             : kShow;
    socket.write(question.data(), question.size());
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return socket.state() == QLocalSocket::ConnectedState ? Answer::Silent : Answer::Nobody;
    }
    const QByteArray line = socket.readLine();
    if (line == kShown)
        return Answer::Shown;
    if (line == kRunning)
        return Answer::Running;
    if (line != kEnding)
        return Answer::Silent;
    // What the copy says on its way out comes before the connection closes
    // with its end.
    while (lines) {
        if (socket.canReadLine())
            lines->append(socket.readLine());
        else if (socket.state() != QLocalSocket::ConnectedState || end.hasExpired()
            || !socket.waitForReadyRead(int(qMin<qint64>(end.remainingTime(), INT_MAX))))
            break;
    }
    return Answer::Ending;
}

void SingleCopy::listen()
{
    // On Unix a socket file stays after a copy that was killed, or belongs to
    // one that hangs: the new socket takes its place. On Windows the pipe
    // goes with its copy.
    QString trouble;
    const qintptr socket = m_endpoint.listeningSocket(trouble);
    if (socket >= 0 ? m_server->listen(socket)
                    : trouble.isEmpty() && m_server->listen(m_endpoint.serverName())) {
        m_holder = m_endpoint.nameHolder();
        return;
    }
    // Without it the program still runs; only a later start opens a second
    // window, until the next look at the name.
    qCWarning(lcCopy) << "cannot listen:"
                      << (trouble.isEmpty() ? m_server->errorString() : trouble);
}

void SingleCopy::checkName()
{
    if (m_server->isListening() && m_endpoint.nameHolder() == m_holder)
        return;
    if (m_server->isListening()) {
        qCWarning(lcCopy) << "a later start took the name over while this copy did not answer;"
                             " it answers there again once nobody else does";
        m_server->close();
    }
    // A copy that answers (or hangs) is there: connected, and left at once,
    // which it takes for no question.
    QLocalSocket other;
    other.connectToServer(m_endpoint.serverName());
    if (other.waitForConnected(int(kNextCopyLook.count()))) {
        other.abort();
        return;
    }
    listen();
    if (m_server->isListening())
        qCInfo(lcCopy) << "answers at" << m_endpoint.serverName() << "again";
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
        for (const qint64 copy : std::as_const(m_displaced)) {
            if (!CopyEndpoint::processEnded(copy, QDeadlineTimer(0)))
                socket->write(kAlso.toByteArray() + QByteArray::number(copy) + '\n');
        }
        socket->flush();
        m_askedToEnd.append(socket);
        emit quitRequested();
        return;
    }
    if (request == kStatus) {
        socket->write(kRunning.data(), kRunning.size());
        socket->flush();
        QTimer::singleShot(2 * kAnswerWait, socket, &QObject::deleteLater);
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

void SingleCopy::tellUnsaved(const QString& what, const QString& why)
{
    const QByteArray line = kUnsaved.toByteArray() + what.toUtf8().toPercentEncoding() + ' '
        + why.toUtf8().toPercentEncoding() + '\n';
    for (const QPointer<QLocalSocket>& socket : std::as_const(m_askedToEnd)) {
        if (!socket || socket->state() != QLocalSocket::ConnectedState)
            continue;
        socket->write(line);
        // The program ends right after: the line must be on its way first.
        socket->waitForBytesWritten(int(kAnswerWait.count()));
    }
}
