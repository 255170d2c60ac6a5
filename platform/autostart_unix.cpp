// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include "atomicfile.h"
#include "desktopentryfile.h"
#include "folder.h"
#include "programinfo.h"
#include "systemconfigfolders.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <algorithm>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

QString Autostart::entryPath() const
{
    const QString folder = m_scope == Scope::AllUsers
        ? SystemConfigFolders::list().constFirst()
        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + u"/autostart/"_s + m_appId + u".desktop"_s;
}

namespace {
// A string value as a desktop entry file holds it. A blank that starts a
// value would be written \s, but no value here starts with one: an argument
// holding a blank is quoted.
QString escapedString(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            escaped += u"\\\\"_s;
            break;
        case u'\n':
            escaped += u"\\n"_s;
            break;
        case u'\t':
            escaped += u"\\t"_s;
            break;
        case u'\r':
            escaped += u"\\r"_s;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Why the entry cannot hold `command`, or nothing. String values have escapes
// for three control characters only and may hold no other. A % is written %%,
// but GLib looks for the program before it reads %% as %, so GNOME and the
// other desktops built on it would never find a program with % in its path.
FileTrouble refusal(const QStringList& command)
{
    const auto isControl = [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\n' && c != u'\t' && c != u'\r')
            || c.unicode() == 0x7f;
    };
    if (std::any_of(command.cbegin(), command.cend(), [&](const QString& argument) {
            return std::any_of(argument.cbegin(), argument.cend(), isControl);
        }))
        return FileTrouble(FileTrouble::Kind::ControlCharacters);
    if (!command.isEmpty() && command.first().contains(u'%'))
        return FileTrouble(FileTrouble::Kind::PercentInProgramPath);
    return {};
}
}

QString Autostart::execArgument(const QString& argument)
{
    // Quoting as the Exec key asks: an argument with a reserved character
    // goes in double quotes, inside which a backslash goes before each of
    // " ` $ and \ itself, and a literal % is written %%. Any other blank or
    // control character is quoted too, as some launchers split words there.
    // Then the whole, being a string value, takes the string escapes.
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_s;
    QString value = argument;
    if (argument.isEmpty() || std::any_of(argument.cbegin(), argument.cend(), [](QChar c) {
            return reserved.contains(c) || c.isSpace() || c.category() == QChar::Other_Control;
        })) {
        QString quoted;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        value = u'"' + quoted + u'"';
    }
    value.replace(u"%"_s, u"%%"_s);
    return escapedString(value);
}

QString Autostart::execLine() const
{
    QStringList arguments;
    for (const QString& argument : m_command)
        arguments.append(execArgument(argument));
    return arguments.join(u' ');
}

QByteArray Autostart::entry() const
{
    // Only Exec's value comes from outside; the others hold nothing to escape.
    const QStringList lines {
        u"[Desktop Entry]"_s,
        u"Type=Application"_s,
        u"Name="_s + ProgramInfo::name,
        u"Comment=登录后显示高考倒计时"_s,
        u"Exec="_s + execLine(),
        u"Icon="_s + ProgramInfo::commandName,
        u"Terminal=false"_s,
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

namespace {
// A desktop's startup settings switch an entry off by marking it rather than
// removing it.
bool startsAtLogin(const std::optional<QHash<QString, QString>>& keys)
{
    return keys && keys->value(u"Hidden"_s, u"false"_s) == u"false"_s
        && keys->value(u"X-GNOME-Autostart-enabled"_s, u"true"_s) == u"true"_s;
}
}

// On only when the entry starts this very command at login: an entry written
// by another copy, or for another settings folder, starts that one instead.
bool Autostart::isEnabled() const
{
    const std::optional<QHash<QString, QString>> keys
        = DesktopEntryFile::readMainGroup(entryPath());
    return startsAtLogin(keys) && refusal(m_command).isNone()
        && keys->value(u"Exec"_s) == execLine();
}

// The desktop takes the first entry of that name it finds in the system's
// folders.
bool Autostart::isSetForAllUsers() const
{
    for (const QString& folder : SystemConfigFolders::list()) {
        const QString path = folder + u"/autostart/"_s + m_appId + u".desktop"_s;
        if (QFileInfo::exists(path))
            return startsAtLogin(DesktopEntryFile::readMainGroup(path));
    }
    return false;
}

bool Autostart::exists() const
{
    const QFileInfo entry(entryPath());
    return entry.exists() || entry.isSymLink();
}

QString Autostart::place() const { return entryPath(); }

QString Autostart::asAdministrator() { return u"请以 root 身份运行（例如用 sudo）。"_s; }

FileTrouble Autostart::setEnabled(bool on) const
{
    const QString path = entryPath();
    if (!on) {
        // A link that leads nowhere is an entry too: it goes as well.
        QFile file(path);
        if (exists() && !file.remove())
            return FileTrouble::fromSystemText(file.errorString())
                .during(FileTrouble::Operation::Remove, path);
        return {};
    }
    if (FileTrouble why = refusal(m_command); !why.isNone())
        return why.during(FileTrouble::Operation::Write, path);
    // A program removed while it ran (its package uninstalled) would leave an
    // entry that starts nothing at every login, which no package removes.
    if (!m_command.isEmpty() && !QFileInfo(m_command.first()).isFile())
        return FileTrouble(FileTrouble::Kind::ProgramMissing, m_command.first())
            .during(FileTrouble::Operation::Write, path);
    // Every user's desktop reads an entry for all users, whatever the umask of
    // the administrator who writes it (077 would hide it from them).
    std::optional<mode_t> umaskBefore;
    if (m_scope == Scope::AllUsers)
        umaskBefore = ::umask(022);
    const auto restoreUmask = qScopeGuard([&umaskBefore] {
        if (umaskBefore)
            ::umask(*umaskBefore);
    });
    if (FileTrouble trouble = Folder::create(QFileInfo(path).absolutePath()); !trouble.isNone())
        return trouble;
    return AtomicFile::replace(path, entry()).during(FileTrouble::Operation::Write, path);
}
