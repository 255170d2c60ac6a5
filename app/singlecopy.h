// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "copyendpoint.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>

class QLocalServer;
class QLocalSocket;
class QTimer;

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
// A start says what it asks in one line: "show" (its window), "quit" (save
// and end, what an installer asks before it replaces the program's files) or
// "status" (whether it runs, answered "running"; an older copy shows its
// window instead).
// A start of an older version says nothing and is shown the window. Asked to
// quit, a copy answers "ending" at once; then, before the connection closes
// with its end, one line "unsaved" for each thing it could not save on its
// way out, and one line "also" for each copy it took the name over from that
// still runs, which answers there again once this one is gone. An older
// start reads only the first line, and an older copy says only that.
//
// A copy that stopped for a while (SIGSTOP, or too busy to answer) finds at
// its next look, every second, that a later start has taken the name over.
// It keeps its window, which only the user closes, and answers at the name
// again as soon as nobody else does; meanwhile the copy there names it to
// a start that asks to quit. The name is removed at the end only by the copy
// it still leads to.
class SingleCopy : public QObject {
    Q_OBJECT
public:
    // How long a start waits for its turn, and then for the running copy's
    // answer: two seconds at the very most before its own window.
    static constexpr std::chrono::milliseconds kAnswerWait { 1000 };

    explicit SingleCopy(const QString& settingsFolder, QObject* parent = nullptr);
    ~SingleCopy() override;

    // True when a running copy with this folder took the request to show its
    // window: this start ends then. Otherwise this copy now answers later
    // starts itself, when it can.
    bool handedToRunningCopy();

    // Whether a copy runs with this folder, in a line of --status, and
    // whether that is trouble (one that does not answer).
    struct State {
        QString text;
        bool trouble = false;
    };
    State state() const;

    // How long the copies asked have, together, to save and end.
    static constexpr std::chrono::milliseconds kEndWait { 15000 };
    // How often a copy looks whether the name still leads to it.
    static constexpr std::chrono::milliseconds kNameCheck { 1000 };
    enum class QuitOutcome {
        // The copies with this folder ended (see QuitResult::unsaved).
        Ended,
        // None runs with this folder.
        NoneRunning,
        // An older version runs, which does not know the question (it shows
        // its window instead).
        OlderCopy,
        // A copy runs and does not answer.
        NoAnswer,
        // A copy runs and did not end in time.
        StillRunning,
    };
    // What a copy asked to end could not save: the things, in the menu's
    // words, and why, one sentence.
    struct Unsaved {
        QString what;
        QString why;
    };
    struct QuitResult {
        QuitOutcome outcome = QuitOutcome::NoneRunning;
        QList<Unsaved> unsaved;
        // From the question to the outcome.
        std::chrono::milliseconds waited { 0 };
    };
    // Asks the copy running with this folder to save and end, and waits for
    // it to have ended; then each copy it names that answers at the name
    // after it. This copy does not listen then.
    QuitResult askToQuit() const;

    // Tells each start that asked this copy to end that `what` could not be
    // saved, and `why`; for the end of the program.
    void tellUnsaved(const QString& what, const QString& why);

signals:
    // A later start with this folder asks for the window.
    void showRequested();
    // A start with this folder asks this copy to save and end.
    void quitRequested();

private:
    enum class Answer { Shown, Ending, Running, Nobody, Silent, Stranger };
    enum class Request { Show, Quit, Status };
    // The answer, and the process that gave it; after "ending", with
    // `lines`, the lines that follow until the connection closes or `end`.
    Answer askRunningCopy(Request request, qint64* process = nullptr,
        QList<QByteArray>* lines = nullptr, QDeadlineTimer end = {}) const;
    void listen();
    void checkName();
    void answer();
    void respond(QLocalSocket* socket, QByteArrayView request);

    CopyEndpoint m_endpoint;
    QLocalServer* m_server;
    // What the name led to when this copy began to listen there.
    QByteArray m_holder;
    QTimer* m_nameCheck;
    // The copies this one took the name over from, which did not answer.
    QList<qint64> m_displaced;
    // The connections of the starts that asked this copy to end.
    QList<QPointer<QLocalSocket>> m_askedToEnd;
};
