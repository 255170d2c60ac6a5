// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the lines of --help, --version and a bad command line go: the
// terminal or console the program was started from.
//
// On Unix they go to standard output or error in the character set of the
// user's locale (TerminalText).
//
// The Windows build is a windowed program, so Windows gives it no console of
// its own: standard output or error led to a file or a pipe gets the text as
// UTF-8, as on other systems; otherwise the text goes to the console of the
// program that started this one (cmd.exe, PowerShell), in UTF-16 so that
// Chinese shows whatever the console's code page; started without one (from
// Explorer or a shortcut), the program shows the text in a message box.
namespace Console {

enum class Stream { Output, Error };
// Where there is neither console nor file nor pipe: a message box, or
// nothing, for a run that nobody may be there to answer (an installer's).
enum class Unseen { ShowInABox, Drop };

void write(Stream stream, const QString& text, Unseen unseen = Unseen::ShowInABox);

}
