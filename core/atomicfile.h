// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

class QByteArray;
class QFileDevice;

// Writes that never leave half a file behind: afterwards the file holds its
// old bytes or all of the new ones, on the disk, and a failure says why.
//
// QSaveFile does most of this, but a buffered QSaveFile reports a failed
// write only from its final flush, which Qt 6.4's commit() overlooks: on a
// full disk it renames the short file into place and reports success. So the
// bytes are written through, and waited for, before the commit.
namespace AtomicFile {

// Replaces the file at `path` with `bytes`. The folder must exist.
FileTrouble replace(const QString& path, const QByteArray& bytes);

// Writes what `file` still holds in its buffer through to the disk and waits
// for the disk to take it, so that a full disk shows up now.
FileTrouble sync(QFileDevice& file);

} // namespace AtomicFile
