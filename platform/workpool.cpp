// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workpool.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>

namespace WorkPool {

QThreadPool* instance()
{
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
        return threads;
    }();
    return pool;
}

} // namespace WorkPool
