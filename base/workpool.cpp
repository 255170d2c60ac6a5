// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workpool.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <mutex>

namespace {
QThreadPool* pool()
{
    static std::mutex mutex;
    static QThreadPool* threads = nullptr;
    static qint64 process = 0;
    const std::lock_guard lock(mutex);
    // A process forked from this one has none of its threads (the tests make
    // such children to give up root): it takes a pool of its own.
    if (!threads || process != QCoreApplication::applicationPid()) {
        // A thread is made only when none waits idle, and goes after 30 s
        // idle: the bound matters only while work hangs.
        threads = new QThreadPool;
        threads->setMaxThreadCount(64);
        process = QCoreApplication::applicationPid();
    }
    return threads;
}

// The application whose end waits a moment for the pool, if there is one.
QCoreApplication* g_waitingApplication = nullptr;
std::mutex g_waitingMutex;

// Work that is quick when the disk answers (the font list, the background
// picture, a save just begun) ends before the windows' application takes its
// fonts and image plugins with it: a thread still in them then would crash
// the end of the program. Work that hangs is left to the system, which ends
// its thread with the process. The short application that answers the
// command line before any window does not wait: a look at a stalled folder
// must not hold up the start.
void waitAtTheApplicationsEnd()
{
    const std::lock_guard lock(g_waitingMutex);
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || application == g_waitingApplication
        || !application->inherits("QGuiApplication"))
        return;
    g_waitingApplication = application;
    qAddPostRoutine([] {
        {
            const std::lock_guard lock(g_waitingMutex);
            g_waitingApplication = nullptr;
        }
        pool()->waitForDone(int(WorkPool::kEndWait.count()));
    });
}
}

QThreadPool* WorkPool::instance()
{
    waitAtTheApplicationsEnd();
    return pool();
}
