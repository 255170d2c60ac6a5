// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <chrono>
#include <type_traits>
#include <utility>

class QThreadPool;

// The one way work leaves the window's thread: a save, a chosen picture, the
// background picture, the font list, a look at the settings folder, the
// settings file's read at every tick. Any of it may hang on a stalled network
// share, so the pool is never destroyed, and the end of the windows'
// application waits for it kEndWait at most, where Qt's global pool would be
// waited for without end. It has room for many such hangs at once, whatever
// the processor count, so that one stuck picture does not hold a save, or
// the next tick's read, in the queue.
namespace WorkPool {

inline constexpr std::chrono::milliseconds kEndWait { 2000 };

QThreadPool* instance();

// Starts `work` on the pool. The one caller that waits for it, a little and
// never for good, is the settings reader (see SettingsReader); everyone else
// takes the answer through run().
template <class Work> auto start(Work work)
{
    return QtConcurrent::run(instance(), std::move(work));
}

// Runs `work` on the pool, then `done` with its result on `context`'s thread,
// from its event loop. Once `context` is gone, `done` never runs, and the
// work's result goes nowhere. (The answer comes through a watcher the context
// owns: Qt 6.4's QFuture::then(context, ...) asserts when its context has
// gone first, and looks at it from the worker's thread.)
template <class Work, class Done> void run(QObject* context, Work work, Done done)
{
    using Result = std::invoke_result_t<Work>;
    auto* watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
        [watcher, done = std::move(done)]() mutable {
            watcher->deleteLater();
            if constexpr (std::is_void_v<Result>)
                done();
            else
                done(watcher->result());
        });
    watcher->setFuture(start(std::move(work)));
}

} // namespace WorkPool
