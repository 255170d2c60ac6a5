// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"
#include "filetrouble.h"
#include "preferences.h"

#include <QStringList>
#include <vector>

// The user's countdowns as the desktop widgets loaded and saved them before
// CountdownModel: load() reads them as the model does; save() writes the
// given entries in place of those that were read, every other entry staying
// after them key for key. Kept only until the widgets use the model.
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
