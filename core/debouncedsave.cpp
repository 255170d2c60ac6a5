// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "debouncedsave.h"

#include <QCoreApplication>

DebouncedSave::DebouncedSave(int delayMs, Save save, Save saveAtQuit)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    // The timer is the connections' context: they go with it.
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(save));
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QObject::connect(app, &QCoreApplication::aboutToQuit, &m_timer,
            [this, saveAtQuit = std::move(saveAtQuit)] {
                m_timer.stop();
                saveAtQuit();
            });
    }
}
