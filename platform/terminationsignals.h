// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the program the normal way when the system asks it to end: SIGTERM
// (what a desktop sends at log-out), SIGINT (Ctrl+C) and SIGHUP (its terminal
// closed) end the event loop as 退出 does, so the windows close and save what
// they still hold, such as a display choice made a moment before. A second
// signal ends the program at once. A signal the program was started to ignore
// (nohup) stays ignored. Unix only (terminationsignals_unix.cpp); on Windows
// this does nothing.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void received();

    QSocketNotifier* m_notifier = nullptr;
};
