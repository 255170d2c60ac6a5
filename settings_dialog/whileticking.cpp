// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "whileticking.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>

#include <memory>

void runWhileTicking(const std::function<void()>& work)
{
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(work));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Makes the worker's writes visible here.
    worker->wait();
    QGuiApplication::restoreOverrideCursor();
}
