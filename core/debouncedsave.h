// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <functional>

// A save that waits a moment after the latest change, so that a burst of
// changes (a widget nudged a few times, F11 held down) makes one write, and
// the save of whatever still waits as the program is about to quit. When
// Windows ends the session, the program is ended right after
// QCoreApplication::aboutToQuit, with no destructor run: its owner's save for
// the end runs then, and again from the owner's destructor, where it finds
// nothing left when all went well.
class DebouncedSave {
public:
    using Save = std::function<void()>;

    // `save` runs `delayMs` after the latest start(); `saveAtQuit` runs as the
    // application is about to quit, whether or not a save waits.
    DebouncedSave(int delayMs, Save save, Save saveAtQuit);

    // Starts the wait again, from now.
    void start() { m_timer.start(); }
    // The save that waited is done by other means, or not wanted.
    void stop() { m_timer.stop(); }

private:
    QTimer m_timer;
};
