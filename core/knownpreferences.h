// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QStringList>

// Every group the program keeps in its preferences file, and what is wrong
// with the files as the program reads them, for the log and 关于.
namespace KnownPreferences {

QList<const PreferenceGroup*> groups();

// Preferences::problems(), and a line when the file for every user holds
// nothing the program reads.
QStringList problems(const Preferences& preferences);

} // namespace KnownPreferences
