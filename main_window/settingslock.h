// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// What the window says when an administrator has locked the settings for
// every user (see Preferences::isLocked): the reason, shown beside every
// choice it disables, and the box that answers the settings button.
namespace SettingsLock {

QString reason();
void tell(QWidget* parent);

} // namespace SettingsLock
