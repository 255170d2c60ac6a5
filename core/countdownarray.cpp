// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownarray.h"

#include <map>

using namespace Qt::StringLiterals;

namespace {
const QString kGroup = u"countdowns"_s;
const QString kSize = u"size"_s;

// The number of an entry's group ("3"), or none for any other name.
std::optional<qlonglong> entryNumber(const QString& name)
{
    bool ok = false;
    const qlonglong number = name.toLongLong(&ok);
    if (!ok || number <= 0 || QString::number(number) != name)
        return std::nullopt;
    return number;
}
}

QString CountdownArray::group() { return kGroup; }

CountdownArray CountdownArray::read(QSettings& file)
{
    CountdownArray array;
    file.beginGroup(kGroup);
    std::map<qlonglong, KeyValues> numbered;
    const QStringList keys = file.allKeys();
    for (const QString& key : keys) {
        const QString value = file.value(key).toString();
        const qsizetype slash = key.indexOf(u'/');
        const std::optional<qlonglong> number
            = slash < 0 ? std::nullopt : entryNumber(key.left(slash));
        if (number)
            numbered[*number].insert(key.sliced(slash + 1), value);
        else if (key == kSize)
            array.m_sizeText = value;
        else
            array.m_ownKeys.insert(key, value);
    }
    file.endGroup();
    array.m_exists = !keys.isEmpty();

    bool isNumber = false;
    const qlonglong size = array.m_sizeText.toLongLong(&isNumber);
    if (isNumber && size >= 0)
        array.m_declaredSize = size;
    for (auto& [number, values] : numbered) {
        if (array.m_declaredSize && number > *array.m_declaredSize) {
            array.m_beyond.push_back(std::move(values));
        } else {
            array.m_entries.push_back(std::move(values));
            array.m_numbers.push_back(number);
        }
    }
    return array;
}

void CountdownArray::renumber()
{
    m_declaredSize = qlonglong(m_entries.size());
    m_numbers.clear();
    for (qsizetype i = 0; i < qsizetype(m_entries.size()); ++i)
        m_numbers.push_back(i + 1);
}

void CountdownArray::write(QSettings& file) const
{
    file.beginGroup(kGroup);
    file.remove(QString());
    for (auto it = m_ownKeys.cbegin(); it != m_ownKeys.cend(); ++it)
        file.setValue(it.key(), it.value());
    // Written also when it is 0 where there was a list: a user who removed
    // every countdown then has none, rather than the ones of the file for
    // every user again.
    if (!m_entries.empty() || m_exists)
        file.setValue(kSize, qsizetype(m_entries.size()));
    qsizetype number = 0;
    for (const auto* entries : { &m_entries, &m_beyond }) {
        for (const KeyValues& values : *entries) {
            file.beginGroup(QString::number(++number));
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                file.setValue(it.key(), it.value());
            file.endGroup();
        }
    }
    file.endGroup();
}

CountdownArray::Reading CountdownArray::readEntries() const
{
    using CountdownSchema::kMaxEntries;
    Reading reading;
    if (m_exists && !m_declaredSize) {
        reading.skipped << (m_sizeText.isEmpty()
                ? u"倒计时没有个数（size），都已跳过。"_s
                : u"倒计时的个数（size）“%1”无法识别，都已跳过。"_s.arg(
                    CountdownSchema::shown(m_sizeText)));
        return reading;
    }
    const std::size_t count = std::min<std::size_t>(m_entries.size(), kMaxEntries);
    for (std::size_t i = 0; i < count; ++i) {
        CountdownSchema::Reading one = CountdownSchema::read(m_entries[i], m_numbers[i]);
        reading.entries.push_back(one.entry);
        if (!one.skipped.isEmpty())
            reading.skipped << one.skipped;
        reading.notes << one.notes;
    }
    if (m_declaredSize && *m_declaredSize > kMaxEntries)
        reading.skipped << u"倒计时有 %1 个，只读了前 %2 个，其余已跳过。"_s.arg(*m_declaredSize)
                               .arg(kMaxEntries);
    return reading;
}
