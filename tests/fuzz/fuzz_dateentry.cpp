// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's test of a typed date, on any three texts (separated
// by line feeds in the input). Whatever it accepts must be a date as a person
// reads it: a year (blanks before it allowed), a month and a day (blanks
// after it allowed) in plain digits that make a day of the calendar. Saved and read back, it gives
// a valid settings file with that day at 9:00 as the target.
#include "dateentry.h"
#include "datevalue.h"
#include "settingsstore.h"

#include <QDate>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
// The number in `text` when it is nothing but ASCII digits, else -1.
int digitsValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return -1;
    return text.toInt();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList parts = input.split(u'\n');
    if (parts.size() != 3 || !DateEntry::accepts(parts[0], parts[1], parts[2]))
        return 0;

    QStringView year = parts[0];
    while (year.startsWith(u' '))
        year = year.mid(1);
    QStringView day = parts[2];
    while (day.endsWith(u' '))
        day.chop(1);
    const QDate date(digitsValue(year), digitsValue(parts[1]), digitsValue(day));
    if (!date.isValid() || date.year() < DateValue::kMinYear || date.year() > DateValue::kMaxYear)
        std::abort();
    const auto target = DateValue::valueOf({ date.year(), date.month(), date.day(), 9, 0, 0 });
    if (!target)
        std::abort();

    static QTemporaryDir root;
    static const SettingsStore store(root.path(), [] { return 41699.5; });
    if (!store.SaveSettings(parts[0], parts[1], parts[2], QString(), QString()).isNone())
        std::abort();
    const LoadResult load = store.LoadSettings();
    if (!load.ok() || load.record.Target != *target)
        std::abort();
    return 0;
}
