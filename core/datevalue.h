// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The program's one representation of a moment: a double counting days since
// 1899-12-30 00:00, the fraction being the time of day (41797.375 is
// 2014-06-07 09:00:00). Moments before the epoch use the plain linear count,
// so -1.25 is 1899-12-28 18:00:00.
namespace DateValue {

inline constexpr qint64 kSecondsPerDay = 86400;
// One second as a date value.
inline constexpr double kOneSecond = 1.0 / double(kSecondsPerDay);
// 2014-06-07 09:00:00, the target of a new settings file.
inline constexpr double kDefaultTarget = 41797.375;
// Years a target may have: the range that every date routine handles.
inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

struct CalendarFields {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CalendarFields&, const CalendarFields&) = default;
};

// A date value in whole seconds, rounded to the nearest second; empty when the
// value is not finite or lies so far out that no calendar can hold it.
std::optional<qint64> toSeconds(double value);

// Calendar fields of a date value, the time rounded to the nearest second.
// Empty for values outside the years 100 to 9999.
std::optional<CalendarFields> fieldsOf(double value);

// Date value of calendar fields; empty when they form no valid moment.
std::optional<double> valueOf(const CalendarFields& fields);

// "2014-6-7 9:00:00"; only the date at 00:00:00, only the time for values
// from 0 up to 1. Empty for values outside the years 100 to 9999.
QString text(double value);

// Reads line 2 of the settings file: "year-month-day", optionally followed by
// blanks and "hour:minute:second" (one or two digits each), blanks around allowed, ASCII digits
// only, leading zeros allowed, years 100 to 9999. Anything else gives no value.
std::optional<double> parseTargetLine(QStringView line);

} // namespace DateValue
