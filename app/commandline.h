// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

// What the command line asks of one run.
struct CommandLineOptions {
    bool fullScreen = false;
    bool onTop = false;
    // The folder of data.txt: the one given, made absolute, or the default.
    QString settingsFolder;
    // What a start at login repeats: --settings-dir with the folder, when
    // one was given.
    QStringList loginArguments;
};

// The program's command line: --fullscreen, --on-top, --settings-dir DIR,
// --help and --version, described in Chinese. Qt's own texts of the parser
// (usage line, headings, errors) are Chinese through Qt's translations.
class CommandLine {
public:
    enum class Outcome { Run, Help, Version, Error };

    CommandLine();

    // `arguments` starts with the program's name.
    Outcome parse(const QStringList& arguments);

    const CommandLineOptions& options() const { return m_options; }
    // After Outcome::Error: one line saying what is wrong and where to look.
    QString errorText() const { return m_error; }
    QString helpText() const { return m_parser.helpText(); }
    static QString versionText();

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_fullScreen;
    QCommandLineOption m_onTop;
    QCommandLineOption m_settingsDir;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    CommandLineOptions m_options;
    QString m_error;
};
