// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "settingsstore.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

CommandLine::CommandLine()
    : m_fullScreen(u"fullscreen"_s, u"全屏显示（F11 切换，Esc 退出全屏）。"_s)
    , m_onTop(u"on-top"_s, u"窗口置顶，保持在其他窗口之上。"_s)
    , m_settingsDir(u"settings-dir"_s,
          u"读取并保存 <文件夹>/data.txt，而不是默认的设置文件夹；"
          u"多台电脑可以共用网络上的同一个文件夹。"_s,
          u"文件夹"_s)
    , m_help(QStringList { u"h"_s, u"help"_s }, u"显示本帮助并退出。"_s)
    , m_version(QStringList { u"v"_s, u"version"_s }, u"显示版本并退出。"_s)
{
    m_parser.setApplicationDescription(u"高考倒计时：显示距高考还有多少天、时、分、秒。"_s);
    // "-platform" and the like are Qt's, not a row of one-letter options.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({ m_fullScreen, m_onTop, m_settingsDir, m_help, m_version });
}

QString CommandLine::versionText()
{
    return u"gaokao-countdown "_s + QStringLiteral(PROJECT_VERSION);
}

CommandLine::Outcome CommandLine::parse(const QStringList& arguments)
{
    m_error.clear();
    const bool parsed = m_parser.parse(arguments);
    // Asked for help or the version, the program answers whatever else the
    // line holds.
    if (m_parser.isSet(m_help))
        return Outcome::Help;
    if (m_parser.isSet(m_version))
        return Outcome::Version;

    const QString hint = u"用 --help 查看可用的选项。"_s;
    if (!parsed) {
        m_error = m_parser.errorText() + hint;
        return Outcome::Error;
    }
    if (const QStringList extra = m_parser.positionalArguments(); !extra.isEmpty()) {
        m_error = u"多余的参数：%1。"_s.arg(extra.join(u' ')) + hint;
        return Outcome::Error;
    }

    m_options.fullScreen = m_parser.isSet(m_fullScreen);
    m_options.onTop = m_parser.isSet(m_onTop);
    m_options.settingsFolder = SettingsStore::defaultFolder();
    m_options.loginArguments.clear();
    if (m_parser.isSet(m_settingsDir)) {
        const QString folder = m_parser.value(m_settingsDir);
        const QFileInfo info(folder);
        if (folder.trimmed().isEmpty()) {
            m_error = u"--settings-dir 需要一个文件夹。"_s;
            return Outcome::Error;
        }
        if (info.exists() && !info.isDir()) {
            m_error = u"“%1”不是文件夹。"_s.arg(QDir::toNativeSeparators(folder));
            return Outcome::Error;
        }
        m_options.settingsFolder = info.absoluteFilePath();
        m_options.loginArguments = QStringList { u"--settings-dir"_s, m_options.settingsFolder };
    }
    return Outcome::Run;
}
