// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <optional>

// Reads what a desktop entry file says, for the program's own login entry,
// which desktops and users may have edited or replaced. Only the
// [Desktop Entry] group is read, and strictly: anything a desktop might read
// otherwise than we do (a key given twice, a line that is neither a group, a
// key nor a comment, bytes that are not UTF-8) makes the whole file unreadable
// rather than guessed at. The file is opened as RegularFile opens files, so a
// pipe or device there never blocks, and a file far larger than any entry is
// not read at all.
namespace DesktopEntryFile {

// The keys of the [Desktop Entry] group with their values as written (string
// escapes left in), or nothing when the file is missing or unreadable.
std::optional<QHash<QString, QString>> readMainGroup(const QString& path);

} // namespace DesktopEntryFile
