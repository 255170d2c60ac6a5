// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

class QFile;

// Opens files for reading that the user or another program may have replaced
// with something else. Opening a named pipe for reading waits until a writer
// comes, and reading a device may never end, so only regular files are
// opened, and the open itself never waits: the path is opened non-blocking,
// its type checked on the opened handle (no window between check and use),
// and only a regular file is handed on, back in ordinary blocking mode. A
// file system that hangs inside open() or read() (a stalled network folder)
// is beyond any flag; callers that must not stop read on another thread.
namespace RegularFile {

// Opens `path` read-only into `file`; on failure `file` stays closed and the
// result says why.
FileTrouble open(QFile& file, const QString& path);

} // namespace RegularFile
