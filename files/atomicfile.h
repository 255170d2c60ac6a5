// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

class QByteArray;
class QFileDevice;

// Writes that never leave half a file behind: afterwards the file holds its
// old bytes or all of the new ones, on the disk, and a failure says why.
//
// The new bytes go to a temporary copy beside the file, written through and
// waited for, which then takes the file's place in one rename. The copy is
// named ".<file>.gaokao-countdown-XXXXXX.tmp" (six random letters or digits):
// hidden, and named after this program, so that a copy left by a save that
// was killed half way is told apart from any file of the user's.
namespace AtomicFile {

// Replaces the file at `path` with `bytes`. The folder must exist. A file that
// is a symbolic link has the file it points to replaced. The new file keeps
// the old one's permissions; a new one gets the usual ones (the umask's).
FileTrouble replace(const QString& path, const QByteArray& bytes);

// Writes what `file` still holds in its buffer through to the disk and waits
// for the disk to take it, so that a full disk shows up now.
FileTrouble sync(QFileDevice& file);

// Whether `name` is the name of a temporary copy of the file `fileName`
// (both without a folder).
bool isTemporaryCopy(const QString& name, const QString& fileName);

// Removes the temporary copies of `path` that are older than `seconds`: those
// of saves killed half way. Younger ones may be another program's save going
// on in a shared folder.
void removeAbandonedCopies(const QString& path, qint64 seconds);

} // namespace AtomicFile
