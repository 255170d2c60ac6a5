// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownschema.h"

#include <QSettings>
#include <QStringList>
#include <optional>
#include <vector>

// The group [countdowns] of a preferences file as it stands, key for key:
// QSettings' array (size=2, 1\title=..., 2\title=...), the entries that lie
// beyond its size (not part of it, as QSettings reads an array) and any other
// key of the group. CountdownModel reads its entries from it and merges its
// changes into it, so that whatever it does not change is written back as it
// was. An entry the size counts but the file lacks is passed over; with a
// size missing or no number, every numbered entry is part of the array but
// none is read (both say so among the skipped), and the next save writes a
// size that counts them all.
class CountdownArray {
public:
    using KeyValues = CountdownSchema::KeyValues;

    // The group's name, "countdowns".
    static QString group();
    // The group of `file`; `file` is left at the top level.
    static CountdownArray read(QSettings& file);
    // Replaces the group of `file` with this one, its entries numbered 1..n
    // and size=n; a group that was not there is written only with entries.
    void write(QSettings& file) const;

    // Whether the file has the group at all.
    bool exists() const { return m_exists; }
    // The array's entries in the file's order.
    std::vector<KeyValues>& entries() { return m_entries; }
    const std::vector<KeyValues>& entries() const { return m_entries; }
    // Numbers the entries 1..n, as write() does, once they were changed.
    void renumber();

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
    bool m_exists = false;
    // The size as the file gives it, or why it cannot be read.
    std::optional<qlonglong> m_declaredSize;
    QString m_sizeText;
    KeyValues m_ownKeys;
    std::vector<KeyValues> m_entries;
    // Each entry's number in the file, for the texts that name it.
    std::vector<qlonglong> m_numbers;
    std::vector<KeyValues> m_beyond;
};
