// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "copyendpoint.h"

#include <QObject>
#include <QString>
#include <chrono>

class QLocalServer;
class QLocalSocket;

// One copy of the program per user and settings folder. The first start with
// a folder listens on a local socket (a named pipe on Windows) of the user's
// (CopyEndpoint); a later start with the same folder asks that copy to show
// its window, and ends. Another folder gets another name, so a second class
// can run beside the first. A socket left by a copy that was killed answers
// nobody and one that hangs answers nothing: neither stops a start, which
// then takes the name over. An answer from a program of another user is not
// believed, nor is its question answered. Starts at the very same moment
// take turns through a lock file beside the socket, so only one of them
// stays. Without a name to use, the program runs without the check: a start
// ends only when a copy of the same user has shown its window.
//
// A start says what it asks in one line: "show" (its window) or "quit" (save
// and end, what an installer asks before it replaces the program's files).
// A start of an older version says nothing and is shown the window.
class SingleCopy : public QObject {
    Q_OBJECT
public:
    // How long a start waits for its turn, and then for the running copy's
    // answer: two seconds at the very most before its own window.
    static constexpr std::chrono::milliseconds kAnswerWait { 1000 };

    explicit SingleCopy(const QString& settingsFolder, QObject* parent = nullptr);

    // True when a running copy with this folder took the request to show its
    // window: this start ends then. Otherwise this copy now answers later
    // starts itself, when it can.
    bool handedToRunningCopy();

    // How long an asked copy has to save and end.
    static constexpr std::chrono::milliseconds kEndWait { 15000 };
    enum class QuitOutcome {
        // The copy with this folder saved and ended.
        Ended,
        // None runs with this folder.
        NoneRunning,
        // An older version runs, which does not know the question (it shows
        // its window instead).
        OlderCopy,
        // A copy runs and did not end in time, or does not answer.
        StillRunning,
    };
    // Asks the copy running with this folder to save and end, and waits for
    // it to have ended. This copy does not listen then.
    QuitOutcome askToQuit() const;

signals:
    // A later start with this folder asks for the window.
    void showRequested();
    // A start with this folder asks this copy to save and end.
    void quitRequested();

private:
    enum class Answer { Shown, Ending, Nobody, Silent, Stranger };
    enum class Request { Show, Quit };
    // The answer, and the process that gave it.
    Answer askRunningCopy(Request request, qint64* process = nullptr) const;
    void listen();
    void answer();
    void respond(QLocalSocket* socket, QByteArrayView request);

    CopyEndpoint m_endpoint;
    QLocalServer* m_server;
};
