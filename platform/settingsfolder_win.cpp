// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfolder.h"

#include "windowssettingsfolder.h"

QString SettingsFolder::defaultPath() { return WindowsSettingsFolder::onThisComputer(); }
