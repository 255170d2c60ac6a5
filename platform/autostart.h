// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

#include <QString>
#include <QStringList>

// Starting the program when the user logs in. On Linux and other freedesktop
// systems an XDG autostart entry, <app id>.desktop in the autostart folder of
// the user's configuration directory ($XDG_CONFIG_HOME/autostart, by default
// ~/.config/autostart); on Windows a value under the user's Run key. Switching
// it off removes the entry. It counts as on only while the entry there starts
// exactly this command at login. An administrator may set the same entry for
// every user: in the first system configuration folder ($XDG_CONFIG_DIRS,
// /etc/xdg) + /autostart, or under the computer's Run key
// (HKEY_LOCAL_MACHINE).
class Autostart {
public:
    enum class Scope { ThisUser, AllUsers };

    // `command` is the full path of the executable to start, then the
    // arguments to start it with.
    Autostart(QString appId, QStringList command, Scope scope = Scope::ThisUser);

    bool isEnabled() const;
    // What failed, if anything; a command the entry cannot hold is refused.
    [[nodiscard]] FileTrouble setEnabled(bool on) const;
    // Whether an entry for every user starts the program at login, whatever
    // command it holds: an administrator's, which the user cannot switch off.
    bool isSetForAllUsers() const;
    // Whether an entry of this name is there at all, whatever it starts.
    bool exists() const;
    // Where the entry is, for a user who looks for it: the file's path; none
    // for the registry value on Windows.
    QString place() const;
    // What to do when an entry for every user cannot be written for want of
    // rights: run as root, or as administrator on Windows.
    static QString asAdministrator();

#ifndef Q_OS_WIN
    QString entryPath() const;
    // The desktop entry's text, UTF-8.
    QByteArray entry() const;
    // The Exec key's value as written in the file: the command, each argument
    // quoted as needed and escaped.
    QString execLine() const;
    // One argument as written in the Exec key's value.
    static QString execArgument(const QString& argument);
#endif

private:
    QString m_appId;
    QStringList m_command;
    Scope m_scope;
};
