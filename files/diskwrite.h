// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

class QFileDevice;
class QString;

// The two steps of a save that each system takes its own way
// (diskwrite_unix.cpp, diskwrite_win.cpp): waiting until the disk holds what
// was written, and putting a new file in an old one's place.
namespace DiskWrite {

// Waits for the disk to take what `file` wrote, so that a full disk shows up
// now (some file systems give out the space only then).
FileTrouble waitForDisk(QFileDevice& file);

// Puts `from` in the place of `to` in one step, never leaving a moment
// without the file. QFile::rename refuses to replace an existing file.
FileTrouble renameOver(const QString& from, const QString& to);

} // namespace DiskWrite
