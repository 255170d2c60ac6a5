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
// each entry the names given to setKeyOrder() first (a countdown's name and
// date), then the others alphabetically.
namespace PreferencesFormat {

// The format to open the file with.
QSettings::Format format();

// Whether a file of `bytes` is read whole; a longer one is read in part, and
// must not be written from what was read.
bool readsWhole(qint64 bytes);

// The names that lead among the keys of a group, in this order; set by the
// part of the program that knows them.
void setKeyOrder(const QStringList& names);

// What went wrong in the last write on this thread, as QSettings itself only
// says that the write failed. None after clearWriteTrouble().
FileTrouble writeTrouble();
void clearWriteTrouble();

} // namespace PreferencesFormat
