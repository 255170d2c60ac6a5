// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The names of the preferences file's sections and keys as the program spells
// them. The file is read as Windows' own INI reader reads one, sections and
// keys in any case ("[School]", "Locked="), so that a file written for that
// reader means the same here; each name is then taken in the spelling given
// here, which is also the one the program writes. Whoever keeps values in the
// file adds the names it uses, before it reads them.
namespace PreferenceNames {

// Adds the parts of `keys` ("display/stayOnTop" gives "display" and
// "stayOnTop"); safe from any thread.
void add(const QStringList& keys);

// `name` in the spelling that was added in any case, else as it stands.
QString spelled(const QString& name);

// Whether `key` has a section and each of its parts is a number (an entry of
// a list) or an added name.
bool isKnown(const QString& key);

} // namespace PreferenceNames
