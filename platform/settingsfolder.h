// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The settings file's name, its folder's name, and where that folder is when
// no other is given: VEKTemp in the user's configuration directory on Linux
// and the other freedesktop systems (settingsfolder_unix.cpp), the folder
// WindowsSettingsFolder chooses on Windows (settingsfolder_win.cpp).
namespace SettingsFolder {

inline const QString kFileName = QStringLiteral("data.txt");
inline const QString kFolderName = QStringLiteral("VEKTemp");

QString defaultPath();

}
