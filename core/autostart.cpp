// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

using namespace Qt::StringLiterals;

Autostart::Autostart(QString appId, QString program)
    : m_appId(std::move(appId))
    , m_program(std::move(program))
{
}

#ifdef Q_OS_WIN

namespace {
QString runKey()
{
    return u"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s;
}
}

bool Autostart::isEnabled() const
{
    return QSettings(runKey(), QSettings::NativeFormat).contains(m_appId);
}

QString Autostart::setEnabled(bool on) const
{
    QSettings run(runKey(), QSettings::NativeFormat);
    if (on)
        run.setValue(m_appId, u"\"%1\""_s.arg(QDir::toNativeSeparators(m_program)));
    else
        run.remove(m_appId);
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

QString Autostart::execArgument(const QString& program)
{
    // Quoting as desktop entries ask: an argument with a reserved character
    // goes in double quotes, inside which a backslash goes before each of
    // " ` $ and \ itself; then the whole value, being a string, escapes each
    // backslash once more, and a literal % is written %%.
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_s;
    QString argument = program;
    if (std::any_of(
            program.cbegin(), program.cend(), [](QChar c) { return reserved.contains(c); })) {
        QString quoted;
        for (const QChar c : program) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        argument = u'"' + quoted + u'"';
    }
    argument.replace(u"\\"_s, u"\\\\"_s);
    argument.replace(u"%"_s, u"%%"_s);
    return argument;
}

QByteArray Autostart::entry() const
{
    const QStringList lines {
        u"[Desktop Entry]"_s,
        u"Type=Application"_s,
        u"Name=高考倒计时"_s,
        u"Comment=登录后显示高考倒计时"_s,
        u"Exec="_s + execArgument(m_program),
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entry()) < 0 || !file.commit())
        return u"无法写入 %1：%2"_s.arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

#endif
