// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownlist.h"

#include "countdownschema.h"
#include "logging.h"

#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString kGroup = u"countdowns"_s;
const QString kSize = u"size"_s;
// More than a desktop holds; a file that says more is not read further, so a
// size of two thousand million costs nothing.
constexpr int kMaxEntries = 50;

using KeyValues = std::vector<std::pair<QString, QVariant>>;

// The number of an entry's group ("3"), or 0 for any other name.
int entryNumber(const QString& name)
{
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok && number > 0 && QString::number(number) == name ? number : 0;
}

// What the array in the current group holds: the entries read, why others
// were not, and the numbers of those to keep as they stand.
struct Scan {
    CountdownList::Loaded loaded;
    QStringList notes;
    std::vector<int> unread;
};

// The numbers of the entries the file holds, whatever its size says.
std::vector<int> entryNumbers(const QSettings& file)
{
    std::vector<int> numbers;
    for (const QString& name : file.childGroups())
        if (const int number = entryNumber(name))
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

Scan scanArray(QSettings& file)
{
    Scan scan;
    if (file.childKeys().isEmpty() && file.childGroups().isEmpty())
        return scan;
    const QString sizeText = file.value(kSize).toString();
    bool isNumber = false;
    const qlonglong size = sizeText.toLongLong(&isNumber);
    if (!isNumber || size < 0) {
        scan.loaded.skipped << (sizeText.isEmpty()
                ? u"倒计时没有个数（size），都已跳过。"_s
                : u"倒计时的个数（size）“%1”无法识别，都已跳过。"_s.arg(
                    CountdownSchema::shown(sizeText)));
        // With no size to go by, every entry is kept as it stands.
        scan.unread = entryNumbers(file);
        return scan;
    }
    const int read = int(std::min<qlonglong>(size, kMaxEntries));
    const QStringList groups = file.childGroups();
    for (int number = 1; number <= read; ++number) {
        // An entry the size counts but the file lacks has nothing to show or keep.
        if (!groups.contains(QString::number(number)))
            continue;
        file.beginGroup(QString::number(number));
        CountdownSchema::KeyValues keys;
        for (const QString& key : file.childKeys())
            keys.insert(key, file.value(key).toString());
        CountdownSchema::Reading reading = CountdownSchema::read(keys, number);
        file.endGroup();
        scan.notes << reading.notes;
        if (reading.entry) {
            scan.loaded.entries.push_back(*reading.entry);
        } else {
            scan.loaded.skipped << reading.skipped;
            scan.unread.push_back(number);
        }
    }
    if (size > kMaxEntries) {
        scan.loaded.skipped << u"倒计时有 %1 个，只读了前 %2 个，其余已跳过。"_s.arg(size).arg(
            kMaxEntries);
        for (const int number : entryNumbers(file))
            if (number > kMaxEntries && number <= size)
                scan.unread.push_back(number);
    }
    return scan;
}

KeyValues keyValues(const QSettings& file)
{
    KeyValues values;
    for (const QString& key : file.allKeys())
        values.emplace_back(key, file.value(key));
    return values;
}
}

CountdownList::CountdownList(Preferences preferences)
    : m_preferences(std::move(preferences))
{
    CountdownSchema::registerKeyOrder();
}

CountdownList::Loaded CountdownList::load() const
{
    Scan scan;
    m_preferences.read(kGroup, [&](QSettings& file) {
        file.beginGroup(kGroup);
        scan = scanArray(file);
    });
    for (const QString& line : scan.loaded.skipped + scan.notes)
        qCWarning(lcCountdowns).noquote() << line;
    return scan.loaded;
}

FileTrouble CountdownList::save(const std::vector<CountdownEntry>& entries) const
{
    // Whether there is a list now, the user's or the one for every user.
    bool hadList = false;
    m_preferences.read(kGroup, [&](QSettings& file) {
        file.beginGroup(kGroup);
        hadList = !file.childKeys().isEmpty() || !file.childGroups().isEmpty();
    });
    return m_preferences.edit([&](QSettings& file) {
        file.beginGroup(kGroup);
        // The entries that could not be read go after the new ones, key by
        // key as they stand: a school's file is never rewritten as something
        // else, and an entry fixed there later comes back.
        std::vector<KeyValues> kept;
        for (const int number : scanArray(file).unread) {
            file.beginGroup(QString::number(number));
            if (KeyValues values = keyValues(file); !values.empty())
                kept.push_back(std::move(values));
            file.endGroup();
        }
        KeyValues others = keyValues(file);
        std::erase_if(others, [](const auto& keyValue) {
            const QString& key = keyValue.first;
            return key == kSize || entryNumber(key.section(u'/', 0, 0)) > 0;
        });
        file.remove(QString());
        for (const auto& [key, value] : others)
            file.setValue(key, value);

        // Written also when it is 0 where there was a list: a user who
        // removed every countdown then has none, rather than the ones of the
        // file for every user again.
        const qsizetype size = qsizetype(entries.size() + kept.size());
        if (size > 0 || hadList)
            file.setValue(kSize, size);
        for (qsizetype i = 0; i < size; ++i) {
            file.beginGroup(QString::number(i + 1));
            if (i < qsizetype(entries.size())) {
                const CountdownSchema::KeyValues keys
                    = CountdownSchema::written(entries[std::size_t(i)]);
                for (auto it = keys.cbegin(); it != keys.cend(); ++it)
                    file.setValue(it.key(), it.value());
            } else {
                for (const auto& [key, value] : kept[std::size_t(i) - entries.size()])
                    file.setValue(key, value);
            }
            file.endGroup();
        }
        file.endGroup();
    });
}
