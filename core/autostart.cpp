// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

using namespace Qt::StringLiterals;

Autostart::Autostart(QString appId, QStringList command)
    : m_appId(std::move(appId))
    , m_command(std::move(command))
{
}

#ifdef Q_OS_WIN

namespace {
QString runKey()
{
    return u"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s;
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
}

bool Autostart::isEnabled() const
{
    return QSettings(runKey(), QSettings::NativeFormat).contains(m_appId);
}

QString Autostart::setEnabled(bool on) const
{
    QSettings run(runKey(), QSettings::NativeFormat);
    if (on) {
        QStringList line;
        for (const QString& argument : m_command)
            line.append(windowsArgument(QDir::toNativeSeparators(argument)));
        run.setValue(m_appId, line.join(u' '));
    } else {
        run.remove(m_appId);
    }
    run.sync();
    if (run.status() != QSettings::NoError)
        return u"无法写入注册表项 %1"_s.arg(runKey());
    return {};
}

#else

QString Autostart::entryPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/autostart/"_s + m_appId + u".desktop"_s;
}

QString Autostart::execArgument(const QString& argument)
{
    // Quoting as desktop entries ask: an argument with a reserved character
    // goes in double quotes, inside which a backslash goes before each of
    // " ` $ and \ itself; then the whole value, being a string, escapes each
    // backslash once more, and a literal % is written %%.
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_s;
    QString value = argument;
    if (std::any_of(
            argument.cbegin(), argument.cend(), [](QChar c) { return reserved.contains(c); })) {
        QString quoted;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        value = u'"' + quoted + u'"';
    }
    value.replace(u"\\"_s, u"\\\\"_s);
    value.replace(u"%"_s, u"%%"_s);
    return value;
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
    const QStringList lines {
        u"[Desktop Entry]"_s,
        u"Type=Application"_s,
        u"Name=高考倒计时"_s,
        u"Comment=登录后显示高考倒计时"_s,
        u"Exec="_s + execLine(),
        u"Icon=gaokao-countdown"_s,
        u"Terminal=false"_s,
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

bool Autostart::isEnabled() const { return QFileInfo::exists(entryPath()); }

QString Autostart::setEnabled(bool on) const
{
    const QString path = entryPath();
    if (!on) {
        QFile file(path);
        if (file.exists() && !file.remove())
            return u"无法删除 %1：%2"_s.arg(QDir::toNativeSeparators(path), file.errorString());
        return {};
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return u"无法创建文件夹 %1"_s.arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    if (const FileTrouble trouble = AtomicFile::replace(path, entry()); !trouble.isNone())
        return u"无法写入 %1：%2"_s.arg(QDir::toNativeSeparators(path), trouble.text());
    return {};
}

#endif
