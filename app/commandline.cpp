// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "programinfo.h"
#include "settingsstore.h"
#include "workpool.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTimer>

using namespace Qt::StringLiterals;

CommandLine::CommandLine(FolderCheck check)
    : m_fullScreen(u"fullscreen"_s, u"全屏显示（F11 切换，Esc 退出全屏）。"_s)
    , m_onTop(u"on-top"_s, u"窗口置顶，保持在其他窗口之上。"_s)
    , m_settingsDir(u"settings-dir"_s,
          u"读取并保存 <文件夹>/data.txt，而不是默认的设置文件夹；"
          u"多台电脑可以共用网络上的同一个文件夹。"_s,
          u"文件夹"_s)
    , m_autostart(u"autostart"_s,
          u"all：为本机所有用户设置开机自动启动（需要管理员权限），连同同时给出的 "
          u"--settings-dir、--screen、--fullscreen 和 --on-top；off-all：取消。"_s,
          u"all|off-all"_s)
    , m_screen(u"screen"_s,
          u"在指定的屏幕上全屏显示：屏幕的序号（1 是第一个）或名称（例如 HDMI-1）；"
          u"与 --board 一起时是大屏显示的屏幕，all 为每个屏幕各一个。"_s,
          u"屏幕"_s)
    , m_board(u"board"_s, u"大屏显示：教室后排也能看清的大字倒计时（F5 切换，Esc 退出）。"_s)
    , m_quit(u"quit"_s,
          u"请本用户正在运行的高考倒计时（使用同一个设置文件夹的）保存设置并退出；"
          u"安装程序在升级前这样做。"_s)
    , m_status(u"status"_s,
          u"显示本机所用的设置文件夹、设置文件、锁定、考试安排、大屏显示和登录启动，"
          u"以及发现的问题（每个问题一行，以“问题：”开头）；有问题时退出状态为 1。"_s)
    , m_help(QStringList { u"h"_s, u"help"_s }, u"显示本帮助并退出。"_s)
    , m_version(QStringList { u"v"_s, u"version"_s }, u"显示版本并退出。"_s)
    , m_folderCheck(std::move(check))
{
    m_parser.setApplicationDescription(u"高考倒计时：显示距高考还有多少天、时、分、秒。"_s);
    // "-platform" and the like are Qt's, not a row of one-letter options.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({ m_fullScreen, m_onTop, m_board, m_settingsDir, m_screen, m_autostart,
        m_quit, m_status, m_help, m_version });
}

bool CommandLine::isThereButNoFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// Whether `check` says yes about `folder` within kFolderCheckWait. No window
// exists yet, so a short event loop of its own can wait for the answer; a
// folder that does not answer in time is left to the settings reader, which
// tells it in the window.
bool CommandLine::saysYesInTime(const FolderCheck& check, const QString& folder)
{
    bool yes = false;
    QEventLoop waiting;
    // The answer goes with the loop when it comes too late.
    WorkPool::run(
        &waiting, [check, folder] { return check(folder); },
        [&](bool answer) {
            yes = answer;
            waiting.quit();
        });
    QTimer::singleShot(kFolderCheckWait, &waiting, &QEventLoop::quit);
    waiting.exec();
    return yes;
}

QString CommandLine::versionText()
{
    return u"%1 %2"_s.arg(ProgramInfo::commandName, ProgramInfo::version);
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

    if (m_parser.isSet(m_autostart)) {
        const QString value = m_parser.value(m_autostart);
        if (value != u"all"_s && value != u"off-all"_s) {
            m_error = u"--autostart 只能是 all 或 off-all，而不是“%1”。"_s.arg(value) + hint;
            return Outcome::Error;
        }
        m_options.autostartForAll = value == u"all"_s;
    }
    m_options.screen = m_parser.value(m_screen).trimmed();
    if (m_parser.isSet(m_screen) && m_options.screen.isEmpty()) {
        m_error = u"--screen 需要屏幕的序号或名称。"_s;
        return Outcome::Error;
    }
    m_options.board = m_parser.isSet(m_board);
    if (m_options.screen == u"all"_s && !m_options.board) {
        m_error = u"--screen all 只能与 --board 一起使用。"_s + hint;
        return Outcome::Error;
    }
    // A screen is chosen to go full screen on, or for the board.
    m_options.fullScreen
        = m_parser.isSet(m_fullScreen) || (m_parser.isSet(m_screen) && !m_options.board);
    m_options.onTop = m_parser.isSet(m_onTop);
    // Each option that shapes the display goes here, for the login entry.
    m_options.displayArguments.clear();
    for (const QCommandLineOption* option : { &m_fullScreen, &m_onTop, &m_board, &m_screen }) {
        if (!m_parser.isSet(*option))
            continue;
        m_options.displayArguments << u"--"_s + option->names().constFirst();
        if (!option->valueName().isEmpty())
            m_options.displayArguments << m_parser.value(*option);
    }
    m_options.loginArguments.clear();
    // The default folder is looked for only when no other is named: on
    // Windows finding it means trying a write.
    if (!m_parser.isSet(m_settingsDir)) {
        m_options.settingsFolder
            = m_schoolFolder.isEmpty() ? SettingsStore::defaultFolder() : m_schoolFolder;
        m_options.settingsFolderFrom = m_schoolFolder.isEmpty()
            ? CommandLineOptions::FolderFrom::Default
            : CommandLineOptions::FolderFrom::School;
    } else {
        const QString folder = m_parser.value(m_settingsDir);
        if (folder.trimmed().isEmpty()) {
            m_error = u"--settings-dir 需要一个文件夹。"_s;
            return Outcome::Error;
        }
        if (m_folderCheck && saysYesInTime(m_folderCheck, folder)) {
            m_error = u"“%1”不是文件夹。"_s.arg(QDir::toNativeSeparators(folder));
            return Outcome::Error;
        }
        m_options.settingsFolder = QFileInfo(folder).absoluteFilePath();
        m_options.loginArguments = QStringList { u"--settings-dir"_s, m_options.settingsFolder };
        m_options.settingsFolderFrom = CommandLineOptions::FolderFrom::Option;
    }
    if (m_parser.isSet(m_quit) && m_parser.isSet(m_autostart)) {
        m_error = u"--quit 不能与 --autostart 一起使用。"_s + hint;
        return Outcome::Error;
    }
    if (m_parser.isSet(m_status) && (m_parser.isSet(m_quit) || m_parser.isSet(m_autostart))) {
        m_error = u"--status 不能与 --quit 或 --autostart 一起使用。"_s + hint;
        return Outcome::Error;
    }
    if (m_parser.isSet(m_quit))
        return Outcome::Quit;
    if (m_parser.isSet(m_status))
        return Outcome::Status;
    return m_parser.isSet(m_autostart) ? Outcome::AutostartForAll : Outcome::Run;
}

QStringList CommandLine::withoutQtOptions(const QStringList& arguments)
{
    // As QGuiApplication, QApplication and the X11 platform take them, with
    // one dash or two.
    static const QStringList withValue { u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s,
        u"plugin"_s, u"qwindowgeometry"_s, u"qwindowicon"_s, u"qwindowtitle"_s, u"session"_s,
        u"style"_s, u"stylesheet"_s, u"display"_s, u"geometry"_s, u"title"_s, u"icon"_s,
        u"name"_s };
    static const QStringList alone { u"reverse"_s, u"widgetcount"_s, u"sync"_s, u"testability"_s,
        u"nograb"_s, u"dograb"_s };
    static const QStringList withEquals { u"style"_s, u"stylesheet"_s, u"qmljsdebugger"_s };
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--"_s) {
            kept += arguments.mid(i);
            break;
        }
        const QString name = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1);
        if (!argument.startsWith(u'-'))
            kept += argument;
        else if (withValue.contains(name))
            ++i;
        else if (!alone.contains(name) && !withEquals.contains(name.section(u'=', 0, 0)))
            kept += argument;
    }
    return kept;
}

QString CommandLine::encodingError(const QByteArrayList& rawArguments)
{
    for (qsizetype i = 1; i < rawArguments.size(); ++i) {
        QByteArray argument = rawArguments[i];
        if (argument == "--")
            break;
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        QByteArray value;
        if (argument == "-settings-dir" && i + 1 < rawArguments.size())
            value = rawArguments[++i];
        else if (argument.startsWith("-settings-dir="))
            value = argument.mid(qsizetype(sizeof "-settings-dir=") - 1);
        else
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString shown = utf8.decode(value);
        if (!utf8.hasError())
            continue;
        // Such names mostly come from Chinese Windows: shown as GBK, the user
        // recognises the folder.
        QStringDecoder gbk("GB18030");
        if (const QString asGbk = gbk.decode(value); gbk.isValid() && !gbk.hasError())
            shown = asGbk;
        return u"文件夹名“%1”不是 UTF-8 编码，无法打开这个文件夹。请把文件夹改用 UTF-8 "
               u"名称，或者挂载网络共享时使用 utf8 选项（例如 CIFS 的 iocharset=utf8）。"_s.arg(
                   shown);
    }
    return {};
}
