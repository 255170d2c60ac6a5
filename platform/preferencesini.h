// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

#include <QSettings>

// The preferences files as QSettings reads and writes them: the layout of
// Qt's own INI format ("[display]", then "stayOnTop=true"), read leniently as
// a file edited by hand (a byte-order mark, CR LF, comments), and written so
// that a write that fails (a full disk) leaves the old file as it was.
namespace PreferencesIni {

QSettings::Format format();

// What went wrong in the last write on this thread since it was cleared:
// QSettings itself only says that the write failed.
void clearWriteTrouble();
FileTrouble writeTrouble();

} // namespace PreferencesIni
