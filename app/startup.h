// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandline.h"

#include <QApplication>
#include <QScreen>
#include <memory>
#include <optional>

// The program's start before its windows: the command line and the display.
// --help and --version are answered, --autostart=all|off-all done, and a bad
// command line refused with a Chinese message, before any display is needed;
// without a display the program says so in one line and ends, instead of
// Qt's abort. Exit statuses: 0 for an answer, 1 without a display or when
// the login entry for every user could not be written, 2 for a bad command
// line, 3 when --quit leaves a copy running, 4 when the copy --quit asked
// ended but could not save everything (which, and why, on standard error);
// --status gives 1 when it found something wrong.
// Lines for the terminal are in the locale's character set.
namespace Startup {

inline constexpr int kNoDisplay = 1;
inline constexpr int kNotWritten = 1;
inline constexpr int kBadCommandLine = 2;
inline constexpr int kStillRunning = 3;
inline constexpr int kNotSaved = 4;
// --status found something wrong (named on its own line).
inline constexpr int kProblemsFound = 1;

// Answers --help and --version, sets or removes the login entry for every
// user, asks the running copy to end (--quit), refuses a bad command line,
// or finds that no display can be there; the exit status then, otherwise
// nothing. A plain start parses nothing.
std::optional<int> answerBeforeDisplay(int argc, char* argv[]);

// The application, or the end of the program with one line when its window
// system cannot be started after all (a display that does not answer).
std::unique_ptr<QApplication> createApplication(int& argc, char* argv[]);

// This run's options from what the application left of the command line (Qt
// takes -platform and its other options itself); a bad one is told on
// standard error, in Chinese once Qt's translations are installed, and gives
// nothing. Without --settings-dir, the settings are in `schoolFolder` when
// one is given.
std::optional<CommandLineOptions> readOptions(const QString& schoolFolder = {});

// The screen that --screen names, by number (1 the first) or name; for a
// screen that is not there, nothing and the line that says so.
struct ScreenFound {
    QScreen* screen = nullptr;
    QString error;
};
ScreenFound findScreen(const QString& numberOrName);
// As findScreen, the error said on standard error.
QScreen* chosenScreen(const QString& numberOrName);
// The board's screens: every one for "all", else the one chosenScreen finds,
// else none.
QList<QScreen*> chosenScreens(const QString& numberOrName);

} // namespace Startup
