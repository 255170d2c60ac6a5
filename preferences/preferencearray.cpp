// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencearray.h"

#include <map>

namespace {
// The number of an entry ("3"), or none for any other name.
std::optional<qlonglong> entryNumber(const QString& name)
{
    bool ok = false;
    const qlonglong number = name.toLongLong(&ok);
    if (!ok || number <= 0 || QString::number(number) != name)
        return std::nullopt;
    return number;
}
}

PreferenceArray::PreferenceArray(const PreferenceValues& values)
    : m_exists(!values.isEmpty())
{
    std::map<qlonglong, PreferenceValues> numbered;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QString& key = it.key();
        const qsizetype slash = key.indexOf(u'/');
        const std::optional<qlonglong> number
            = slash < 0 ? std::nullopt : entryNumber(key.left(slash));
        if (number)
            numbered[*number].insert(key.sliced(slash + 1), it.value());
        else if (key == PreferenceGroup::sizeKey())
            m_sizeText = it.value();
        else
            m_ownKeys.insert(key, it.value());
    }
    bool isNumber = false;
    const qlonglong size = m_sizeText.toLongLong(&isNumber);
    if (isNumber && size >= 0)
        m_declaredSize = size;
    for (auto& [number, entry] : numbered) {
        if (m_declaredSize && number > *m_declaredSize) {
            m_beyond.push_back(std::move(entry));
        } else {
            m_entries.push_back(std::move(entry));
            m_numbers.push_back(number);
        }
    }
}

void PreferenceArray::renumber()
{
    m_declaredSize = qlonglong(m_entries.size());
    m_sizeText = QString::number(m_entries.size());
    m_numbers.clear();
    for (qsizetype i = 0; i < qsizetype(m_entries.size()); ++i)
        m_numbers.push_back(i + 1);
}

PreferenceValues PreferenceArray::values() const
{
    PreferenceValues values = m_ownKeys;
    if (!m_entries.empty() || m_exists)
        values.insert(PreferenceGroup::sizeKey(), QString::number(m_entries.size()));
    qsizetype number = 0;
    for (const auto* entries : { &m_entries, &m_beyond })
        for (const PreferenceValues& entry : *entries) {
            const QString prefix = QString::number(++number) + u'/';
            for (auto it = entry.cbegin(); it != entry.cend(); ++it)
                values.insert(prefix + it.key(), it.value());
        }
    return values;
}
