// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownschema.h"
#include "preferencearray.h"

#include <QStringList>
#include <optional>
#include <vector>

// The group [countdowns] of a preferences file as it stands, key for key (see
// PreferenceArray), and what its entries say as countdowns. CountdownModel
// reads its entries from it and merges its changes into it, so that whatever
// it does not change is written back as it was. With a size missing or no
// number, none is read (that is said among the skipped), and the next save
// writes a size that counts them all.
class CountdownArray {
public:
    using KeyValues = CountdownSchema::KeyValues;

    CountdownArray() = default;
    explicit CountdownArray(const PreferenceValues& values)
        : m_array(values)
    {
    }
    // The group's keys, its entries numbered 1..n and size=n.
    PreferenceValues values() const { return m_array.values(); }

    // The array's entries in the file's order.
    std::vector<KeyValues>& entries() { return m_array.entries(); }
    const std::vector<KeyValues>& entries() const { return m_array.entries(); }
    // Numbers the entries 1..n, as values() does, once they were changed.
    void renumber() { m_array.renumber(); }

    struct Reading {
        // The first CountdownSchema::kMaxEntries entries, each read or not.
        std::vector<std::optional<CountdownEntry>> entries;
        // Why some were not read, for the log and the tray's tooltip.
        QStringList skipped;
        // Optional keys that could not be read, for the log.
        QStringList notes;
    };
    Reading readEntries() const;

private:
    PreferenceArray m_array;
};
