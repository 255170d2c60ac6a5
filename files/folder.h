// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

// Making the folder a file is to go in, saying why it could not be made
// (QDir::mkpath only says that it failed).
namespace Folder {

// Creates `path` and the folders above it that are missing; an existing
// folder is fine.
FileTrouble create(const QString& path);

} // namespace Folder
