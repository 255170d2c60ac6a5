// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QString>
#include <QStringList>

// What this machine uses and why, in Chinese plain text, for --status and
// 关于's 详情: the settings folder and where it was named, data.txt and what
// it holds, the school's lock, each preferences file, the exam schedule, the
// board's look, the desktop countdowns, the login entries and whether a copy
// runs. Each thing that is wrong is a line of its own starting with 问题：,
// so that a script that asks many machines finds them.
class MachineStatus {
public:
    // Where the settings folder was named.
    enum class FolderFrom { Default, Option, School };

    struct Facts {
        Preferences preferences;
        QString settingsFolder;
        FolderFrom folderFrom = FolderFrom::Default;
        // The command a login entry starts, the program first.
        QStringList loginCommand;
        // Whether a copy runs with the folder, as one line, and whether that
        // is trouble.
        QString copyState;
        bool copyTrouble = false;
        // How long to wait for data.txt on a share that does not answer.
        int readWaitMs = 5000;
    };

    // Looks at everything now. A settings folder that does not answer (a
    // stalled share) is told after a few seconds, not waited for.
    static MachineStatus of(const Facts& facts);

    QString text() const;
    bool hasProblems() const { return m_problems > 0; }

private:
    void add(const QString& line) { m_lines << line; }
    void problem(const QString& line);

    QStringList m_lines;
    int m_problems = 0;
};
