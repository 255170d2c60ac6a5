// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyendpoint.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <windows.h>

using namespace Qt::StringLiterals;

namespace {
// The user a process runs as, from its token: empty when it cannot be read,
// as for another user's process.
std::unique_ptr<char[]> tokenUser(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    auto user = std::make_unique<char[]>(size ? size : 1);
    const bool read = size && GetTokenInformation(token, TokenUser, user.get(), size, &size);
    CloseHandle(token);
    if (!read)
        return {};
    return user;
}
}

// Each user's pipes are named apart; only the user may open this copy's
// (QLocalServer::UserAccessOption). The lock file is in the user's own
// temporary folder.
CopyEndpoint::CopyEndpoint(const QString& settingsFolder)
    : m_serverName(socketName(settingsFolder))
    , m_lockFilePath(QDir(QDir::tempPath()).filePath(m_serverName + u".lock"_s))
{
}

// Named pipes are seen by every session of the machine.
QString CopyEndpoint::userKey()
{
    return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME");
}

// C:\Data and c:\data are one folder there.
QString CopyEndpoint::folderKey(const QString& settingsFolder)
{
    return QDir::cleanPath(QFileInfo(settingsFolder).absoluteFilePath()).toLower();
}

qintptr CopyEndpoint::listeningSocket(QString& trouble) const
{
    trouble.clear();
    return -1;
}

QByteArray CopyEndpoint::nameHolder() const { return m_serverName.toUtf8(); }

void CopyEndpoint::releaseName(const QByteArray&) const { }

qint64 CopyEndpoint::peerProcessId(qintptr descriptor)
{
    const auto pipe = reinterpret_cast<HANDLE>(descriptor);
    DWORD flags = 0;
    ULONG peer = 0;
    if (!GetNamedPipeInfo(pipe, &flags, nullptr, nullptr, nullptr)
        || !((flags & PIPE_SERVER_END) ? GetNamedPipeClientProcessId(pipe, &peer)
                                       : GetNamedPipeServerProcessId(pipe, &peer)))
        return 0;
    return peer;
}

bool CopyEndpoint::processEnded(qint64 id, QDeadlineTimer deadline)
{
    const HANDLE process = id > 0 ? OpenProcess(SYNCHRONIZE, FALSE, DWORD(id)) : nullptr;
    if (!process)
        return true;
    const DWORD waited = WaitForSingleObject(process, DWORD(deadline.remainingTime()));
    CloseHandle(process);
    return waited == WAIT_OBJECT_0;
}

bool CopyEndpoint::peerIsThisUser(qintptr descriptor)
{
    const qint64 peer = peerProcessId(descriptor);
    if (!peer)
        return false;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(peer));
    if (!process)
        return false;
    const std::unique_ptr<char[]> theirs = tokenUser(process);
    CloseHandle(process);
    const std::unique_ptr<char[]> ours = tokenUser(GetCurrentProcess());
    return theirs && ours
        && EqualSid(reinterpret_cast<TOKEN_USER*>(theirs.get())->User.Sid,
            reinterpret_cast<TOKEN_USER*>(ours.get())->User.Sid);
}

void CopyEndpoint::allowAnswerToComeForward() { AllowSetForegroundWindow(ASFW_ANY); }
