// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

#include <QSettings>
#include <QStringList>

// The layout of the program's preferences file, read and written for
// QSettings by the program itself: Qt's own INI format would do, but on a full
// disk Qt 6.4 replaces the file with an empty one and reports success (see
// atomicfile.h), and the preferences are gone. The layout is Qt's INI: a
// section per top-level group ("[display]", then "stayOnTop=true"), the keys
// of a QSettings array inside its section ("[countdowns]", "size=2",
// "1\title=一模"), values as UTF-8 text. Keys come in an order a person reads
// easily: a group's own keys before its subgroups', entries by number, and in
// each entry its name and date first.
// A file is read as Windows' own INI reader reads one (names in any case, see
// PreferenceNames; ";" starts a comment only at the start of a line), in any
// encoding FileText knows, up to 1 MiB. A file that was not read whole, or
// held bytes that are no text, is never written: that would lose its end, or
// put U+FFFD where the user's characters were.
// each entry the names given to addKeyOrder() first (a countdown's name and
// date), then the others alphabetically.
namespace PreferencesFormat {

// The format to open the file with.
QSettings::Format format();

// What keeps the file at `path` from being written back: read no further
// than the limit (TooLongToRead), bytes that are no text (NotAllText), or why
// it cannot be opened. None for a file that reads whole, or none at all.
FileTrouble check(const QString& path);
// Names that lead among the keys of a group, in this order, after any added
// before; added by each part of the program that keeps a group there. A name
// added again keeps its first place.
void addKeyOrder(const QStringList& names);

// What went wrong in the last write on this thread, as QSettings itself only
// says that the write failed. None after clearWriteTrouble().
FileTrouble writeTrouble();
void clearWriteTrouble();

} // namespace PreferencesFormat
