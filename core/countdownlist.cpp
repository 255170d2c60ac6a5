// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownlist.h"

#include "countdownarray.h"
#include "logging.h"

using namespace Qt::StringLiterals;

CountdownList::CountdownList(Preferences preferences)
    : m_preferences(std::move(preferences))
{
    CountdownSchema::registerKeyOrder();
}

CountdownList::Loaded CountdownList::load() const
{
    CountdownArray array;
    m_preferences.read(
        CountdownArray::group(), [&](QSettings& file) { array = CountdownArray::read(file); });
    const CountdownArray::Reading reading = array.readEntries();
    for (const QString& line : reading.skipped + reading.notes)
        qCWarning(lcCountdowns).noquote() << line;
    Loaded loaded;
    loaded.skipped = reading.skipped;
    for (const std::optional<CountdownEntry>& entry : reading.entries)
        if (entry)
            loaded.entries.push_back(*entry);
    return loaded;
}

FileTrouble CountdownList::save(const std::vector<CountdownEntry>& entries) const
{
    return m_preferences.edit([&](QSettings& file) {
        CountdownArray array;
        m_preferences.read(CountdownArray::group(),
            [&](QSettings& current) { array = CountdownArray::read(current); });
        // The entries that were read give way to `entries`; the others stay,
        // after them, key for key.
        const CountdownArray::Reading reading = array.readEntries();
        std::vector<CountdownArray::KeyValues> kept;
        for (std::size_t i = 0; i < array.entries().size(); ++i)
            if (i >= reading.entries.size() || !reading.entries[i])
                kept.push_back(array.entries()[i]);
        array.entries().clear();
        for (const CountdownEntry& entry : entries)
            array.entries().push_back(CountdownSchema::written(entry));
        array.entries().insert(array.entries().end(), kept.begin(), kept.end());
        array.write(file);
    });
}
