// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QString>

// Where one user's copies of the program find each other, one name per
// settings folder, and who is at the other end of a connection there.
//
// On Unix the name is a local socket's file in a folder where no other user
// can make names: $XDG_RUNTIME_DIR when it is the user's own with mode 0700,
// else gaokao-countdown-<uid> in the temporary folder, made with mode 0700
// and checked at every start (a real folder, not a link, the user's own). A
// folder made first by another user fails that check and is not used: its
// owner could answer there. The peer is asked of the system (SO_PEERCRED).
//
// On Windows the name is a named pipe's, from the user and the folder, and
// the peer is the user whose token runs the process at the pipe's other end.
class CopyEndpoint {
public:
    // Makes the user's folder for the socket when it must.
    explicit CopyEndpoint(const QString& settingsFolder);

    bool isUsable() const { return m_trouble.isEmpty(); }
    // Why there is no name to use, for the log.
    QString trouble() const { return m_trouble; }

    // The name for QLocalServer and QLocalSocket: the socket's full path on
    // Unix, the pipe's name on Windows.
    QString serverName() const { return m_serverName; }
    // The lock file through which starts at the very same moment take turns.
    QString lockFilePath() const { return m_lockFilePath; }

    // A socket listening at the name, for QLocalServer::listen(qintptr): on
    // Unix made beside the name and put there in one rename, over whatever
    // was there (what a copy that was killed left, or the socket of one that
    // hangs); -1 and why in `trouble` when the system refuses. On Windows -1
    // and no trouble: a pipe is listened to by its name.
    qintptr listeningSocket(QString& trouble) const;
    // What the name leads to now, to tell later whether it still does: on
    // Unix the socket file's device and inode, empty when there is none. On
    // Windows no later start can take a pipe's name while its server
    // listens: the name itself.
    QByteArray nameHolder() const;
    // Removes the socket file at the name, if `holder` (nameHolder()) is
    // still there: never another copy's. Nothing on Windows, where the pipe
    // goes with its server.
    void releaseName(const QByteArray& holder) const;

    // The name's last part: the program's, then a hash of the user and the
    // folder (absolute and clean), short and free of odd characters.
    static QString socketName(const QString& settingsFolder);

    // Whether the process at the other end of a connected local socket
    // (QLocalSocket::socketDescriptor()) runs as this user.
    static bool peerIsThisUser(qintptr descriptor);
    // The process at the other end of a connected local socket, or 0.
    static qint64 peerProcessId(qintptr descriptor);
    // Whether process `id` has ended, waiting until `deadline` for it to.
    static bool processEnded(qint64 id, QDeadlineTimer deadline);

    // Lets the copy that answers bring its window in front of this start's
    // (Windows gives that right to the process in front only).
    static void allowAnswerToComeForward();

private:
    // This user as the name holds it, and the folder as one name for it.
    static QString userKey();
    static QString folderKey(const QString& settingsFolder);

    QString m_serverName;
    QString m_lockFilePath;
    QString m_trouble;
};
