// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include <QDir>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
using Scope = Autostart::Scope;

// The user's Run key, or the computer's for every user.
QString hive(Scope scope)
{
    return scope == Scope::AllUsers ? u"HKEY_LOCAL_MACHINE"_s : u"HKEY_CURRENT_USER"_s;
}

QString runKey(Scope scope)
{
    return hive(scope) + u"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s;
}

// Task Manager's Startup tab and Settings' Startup apps switch an entry off
// by marking it here, under the same name, rather than removing it from Run:
// a binary value whose first byte is odd (3, then the time of the change).
QString approvedKey(Scope scope)
{
    return hive(scope)
        + u"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"_s;
}

bool switchedOffBySystem(Scope scope, const QString& name)
{
    // QSettings reads a binary value as UTF-16: the first byte is the low
    // byte of the first character.
    const QString mark
        = QSettings(approvedKey(scope), QSettings::NativeFormat).value(name).toString();
    return !mark.isEmpty() && (mark.front().unicode() & 1);
}

// One argument as Windows splits a command line: in double quotes, a quote
// escaped with a backslash, and the backslashes before a quote (or before the
// closing one) doubled.
QString windowsArgument(const QString& argument)
{
    QString quoted = u"\""_s;
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
        } else {
            if (c == u'"')
                quoted += QString(backslashes + 1, u'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    return quoted + QString(backslashes, u'\\') + u'"';
}

QString runValue(const QStringList& command)
{
    QStringList line;
    for (const QString& argument : command)
        line.append(windowsArgument(QDir::toNativeSeparators(argument)));
    return line.join(u' ');
}
}

// On only when the value there starts this very command: one written by
// another copy, or for another settings folder, starts that one instead; nor
// while Windows keeps it switched off.
bool Autostart::isEnabled() const
{
    return QSettings(runKey(m_scope), QSettings::NativeFormat).value(m_appId).toString()
        == runValue(m_command)
        && !switchedOffBySystem(m_scope, m_appId);
}

bool Autostart::isSetForAllUsers() const
{
    return QSettings(runKey(Scope::AllUsers), QSettings::NativeFormat).contains(m_appId)
        && !switchedOffBySystem(Scope::AllUsers, m_appId);
}

bool Autostart::exists() const
{
    return QSettings(runKey(m_scope), QSettings::NativeFormat).contains(m_appId);
}

QString Autostart::place() const { return {}; }

QString Autostart::asAdministrator() { return u"请以管理员身份运行。"_s; }

FileTrouble Autostart::setEnabled(bool on) const
{
    QSettings run(runKey(m_scope), QSettings::NativeFormat);
    if (on) {
        run.setValue(m_appId, runValue(m_command));
    } else {
        run.remove(m_appId);
    }
    run.sync();
    // The user's tick here is the latest word: a switch-off made in Task
    // Manager would otherwise keep the new value from starting anything.
    QSettings(approvedKey(m_scope), QSettings::NativeFormat).remove(m_appId);
    if (run.status() == QSettings::NoError)
        return {};
    return FileTrouble(run.status() == QSettings::AccessError ? FileTrouble::Kind::NoPermission
                                                              : FileTrouble::Kind::Other)
        .during(FileTrouble::Operation::WriteRegistry, runKey(m_scope));
}
