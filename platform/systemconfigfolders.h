// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Where an administrator keeps configuration for every user of the computer:
// the folders of $XDG_CONFIG_DIRS in order of importance (/etc/xdg when it is
// unset or empty; a relative folder there counts for nothing), or on Windows
// the ProgramData folder. The program reads from them and writes there only
// when an administrator asks it to.
namespace SystemConfigFolders {

QStringList list();

} // namespace SystemConfigFolders
