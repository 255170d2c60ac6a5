// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferencegroup.h"

#include <optional>
#include <vector>

// An array group of the preferences file as it stands, key for key: its
// numbered entries ("1\title=", "2\title=") and their count ("size=2"), the
// entries that lie beyond the count (not part of the array, as QSettings and
// older versions of the program read one) and any other key of the group.
// Whoever keeps a list there reads its entries from it and puts its changes
// into it, so that whatever it does not change is written back as it was. An
// entry the count counts but the file lacks is passed over; with a count
// missing or no number, every numbered entry is part of the array.
class PreferenceArray {
public:
    PreferenceArray() = default;
    explicit PreferenceArray(const PreferenceValues& values);

    // The group's keys: its own, the count of entries (written also when it
    // is 0 where there was a list: a user who removed every entry then has
    // none, rather than the list of the file for every user again), and the
    // entries numbered 1..n, then those beyond the count.
    PreferenceValues values() const;

    // Whether the file has the group at all.
    bool exists() const { return m_exists; }
    // The count as the file gives it, when it is a number, and as it stands.
    std::optional<qlonglong> declaredSize() const { return m_declaredSize; }
    QString sizeText() const { return m_sizeText; }

    // The array's entries in the file's order, each entry's keys without
    // its number ("title" → "一模").
    std::vector<PreferenceValues>& entries() { return m_entries; }
    const std::vector<PreferenceValues>& entries() const { return m_entries; }
    // The entries beyond the count, in the file's order: values() writes
    // them after the array's entries, still beyond it.
    std::vector<PreferenceValues>& beyond() { return m_beyond; }
    const std::vector<PreferenceValues>& beyond() const { return m_beyond; }
    // Each entry's number in the file, for the texts that name it.
    const std::vector<qlonglong>& numbers() const { return m_numbers; }
    // Numbers the entries 1..n, as values() writes them, once they were changed.
    void renumber();

private:
    bool m_exists = false;
    std::optional<qlonglong> m_declaredSize;
    QString m_sizeText;
    PreferenceValues m_ownKeys;
    std::vector<PreferenceValues> m_entries;
    std::vector<qlonglong> m_numbers;
    std::vector<PreferenceValues> m_beyond;
};
