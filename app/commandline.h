// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "machinestatus.h"

#include <QByteArrayList>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <chrono>
#include <functional>

// What the command line asks of one run.
struct CommandLineOptions {
    bool fullScreen = false;
    bool onTop = false;
    // The folder of data.txt: the one given, made absolute, or the default.
    QString settingsFolder;
    // What a start at login repeats: --settings-dir with the folder, when
    // one was given.
    QStringList loginArguments;
    // What the login entry for every user repeats besides: the options that
    // shape the display, as given (--fullscreen, --on-top, --board, --screen).
    QStringList displayArguments;
    // --autostart=all (true) or off-all (false): the login entry for every
    // user, set or removed, instead of a run.
    bool autostartForAll = false;
    // The screen to go full screen on, by number (1 the first) or name, as
    // given; empty when not given. With --board, the board's screen, or "all".
    QString screen;
    // --board: the classroom board shows from the start.
    bool board = false;
    // Where the folder was named: the default, --settings-dir, or the
    // school's (the system file or the policy).
    using FolderFrom = MachineStatus::FolderFrom;
    FolderFrom settingsFolderFrom = FolderFrom::Default;
};

// The program's command line: --fullscreen, --on-top, --settings-dir DIR,
// --screen N|NAME (full screen on that screen), --board (the classroom board,
// on the screen --screen names, or with --screen all on every screen),
// --autostart=all|off-all, --quit (the running copy saves and ends),
// --status (what this machine uses, and what is wrong),
// --help and --version, described in Chinese. Qt's own texts of the parser
// (usage line, headings, errors) are Chinese through Qt's translations. A
// --settings-dir that names a plain file is refused; the look at it never
// holds up the start for long, since the folder may be on a stalled share.
class CommandLine {
public:
    enum class Outcome { Run, Help, Version, AutostartForAll, Quit, Status, Error };

    // Whether `path` names something that is there and is not a folder.
    using FolderCheck = std::function<bool(const QString& path)>;
    static bool isThereButNoFolder(const QString& path);
    // How long the start waits for that answer before it goes on without.
    static constexpr std::chrono::milliseconds kFolderCheckWait { 400 };

    // Without a check, the folder is not looked at.
    explicit CommandLine(FolderCheck check = isThereButNoFolder);

    // The folder a run without --settings-dir uses instead of the default
    // one: the school's, from the system-wide preferences.
    void setSchoolFolder(const QString& folder) { m_schoolFolder = folder; }

    // `arguments` starts with the program's name.
    Outcome parse(const QStringList& arguments);

    // `arguments` without the options QApplication takes for itself
    // (-platform, -style, -display, ...) and their values.
    static QStringList withoutQtOptions(const QStringList& arguments);

    // Why the program's arguments as the bytes that name files
    // (ProgramArguments::fileNameBytes) cannot be used, or nothing: Qt reads
    // arguments and writes file names as UTF-8, so a --settings-dir named in
    // other bytes (GBK from a Windows share) would become another folder.
    static QString encodingError(const QByteArrayList& rawArguments);

    const CommandLineOptions& options() const { return m_options; }
    // After Outcome::Error: one line saying what is wrong and where to look.
    QString errorText() const { return m_error; }
    QString helpText() const { return m_parser.helpText(); }
    static QString versionText();

private:
    static bool saysYesInTime(const FolderCheck& check, const QString& folder);

    QCommandLineParser m_parser;
    QCommandLineOption m_fullScreen;
    QCommandLineOption m_onTop;
    QCommandLineOption m_settingsDir;
    QCommandLineOption m_autostart;
    QCommandLineOption m_screen;
    QCommandLineOption m_board;
    QCommandLineOption m_quit;
    QCommandLineOption m_status;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    FolderCheck m_folderCheck;
    QString m_schoolFolder;
    CommandLineOptions m_options;
    QString m_error;
};
