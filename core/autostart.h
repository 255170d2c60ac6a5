// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Starting the program when the user logs in. On Linux and other freedesktop
// systems an XDG autostart entry, <app id>.desktop in the autostart folder of
// the user's configuration directory ($XDG_CONFIG_HOME/autostart, by default
// ~/.config/autostart); on Windows a value under the user's Run key. Switching
// it off removes the entry.
class Autostart {
public:
    // `program` is the full path of the executable to start.
    Autostart(QString appId, QString program);

    bool isEnabled() const;
    // An empty text on success, otherwise why it failed.
    [[nodiscard]] QString setEnabled(bool on) const;

#ifndef Q_OS_WIN
    QString entryPath() const;
    // The desktop entry's text, UTF-8.
    QByteArray entry() const;
    // The program as one argument of a desktop entry's Exec key.
    static QString execArgument(const QString& program);
#endif

private:
    QString m_appId;
    QString m_program;
};
