// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"
#include "filetrouble.h"
#include "preferences.h"

#include <QStringList>
#include <vector>

// The user's countdowns, kept in the preferences file as the array
// [countdowns] (size=, then 1\title=, 1\target=2027-03-15T08:00, 1\repeat=,
// 1\format=days|full and the widget's own keys), so that a school can deploy
// them by copying a file (the keys: countdownkeys.h). An entry that cannot be
// read is skipped with a reason and kept in the file as it was, whatever is
// saved later: after the saved entries, renumbered, every key as it stands.
// At most 50 entries are read; with a size missing or no number, none (both
// say so among the skipped). A number the size counts but the file lacks is
// passed over, and entries numbered beyond the size are not part of the list
// (as QSettings reads an array) and go with the next save. Skipped entries and
// optional keys that could not be read go to the log (gaokao.countdowns).
class CountdownList {
public:
    explicit CountdownList(Preferences preferences);

    struct Loaded {
        std::vector<CountdownEntry> entries;
        // One line per skipped entry, in Chinese, for the log and the tray's
        // tooltip: which entry (its number, and title where it has one) and why.
        QStringList skipped;
    };
    Loaded load() const;
    // Writes `entries` in place of the readable ones; the skipped ones stay.
    [[nodiscard]] FileTrouble save(const std::vector<CountdownEntry>& entries) const;

private:
    Preferences m_preferences;
};
