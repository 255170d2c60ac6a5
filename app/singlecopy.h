// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "copyendpoint.h"

#include <QObject>
#include <QString>
#include <chrono>

class QLocalServer;

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

signals:
    // A later start with this folder asks for the window.
    void showRequested();

private:
    enum class Answer { Shown, Nobody, Silent, Stranger };
    Answer askRunningCopy() const;
    void listen();
    void answer();

    CopyEndpoint m_endpoint;
    QLocalServer* m_server;
};
