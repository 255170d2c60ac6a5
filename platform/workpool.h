// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QThreadPool;

// The threads for work that touches the user's files off the window's
// thread (a save, a chosen picture, a look at the settings folder), run with
// QtConcurrent::run(WorkPool::instance(), ...). Any of it may hang on a
// stalled network share, so the pool is never destroyed: the end of the
// program does not wait for it, as it would for Qt's global pool. It has
// room for several such hangs at once, whatever the processor count, so one
// stuck picture does not hold a save in the queue.
namespace WorkPool {

QThreadPool* instance();

} // namespace WorkPool
