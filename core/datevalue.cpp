// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datevalue.h"

#include <QDate>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

namespace DateValue {

namespace {
    // Julian day of 1899-12-30, day 0 of every date value.
    constexpr qint64 kEpochJulianDay = 2415019;
    // Far beyond any calendar we print, yet small enough that seconds never
    // overflow a qint64.
    constexpr double kLimitDays = 1e11;

    qint64 floorDiv(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

    bool inYearRange(int year) { return year >= kMinYear && year <= kMaxYear; }
}

std::optional<qint64> toSeconds(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > kLimitDays)
        return std::nullopt;
    return std::llround(value * double(kSecondsPerDay));
}

std::optional<CalendarFields> fieldsOf(double value)
{
    const auto seconds = toSeconds(value);
    if (!seconds)
        return std::nullopt;
    const qint64 days = floorDiv(*seconds, kSecondsPerDay);
    const qint64 timeOfDay = *seconds - days * kSecondsPerDay;
    const QDate date = QDate::fromJulianDay(kEpochJulianDay + days);
    if (!date.isValid() || !inYearRange(date.year()))
        return std::nullopt;
    return CalendarFields { date.year(), date.month(), date.day(), int(timeOfDay / 3600),
        int(timeOfDay / 60 % 60), int(timeOfDay % 60) };
}

std::optional<double> valueOf(const CalendarFields& f)
{
    const QDate date(f.year, f.month, f.day);
    if (!date.isValid() || !inYearRange(f.year) || f.hour < 0 || f.hour > 23 || f.minute < 0
        || f.minute > 59 || f.second < 0 || f.second > 59)
        return std::nullopt;
    const qint64 days = date.toJulianDay() - kEpochJulianDay;
    const int timeOfDay = f.hour * 3600 + f.minute * 60 + f.second;
    return double(days) + double(timeOfDay) / double(kSecondsPerDay);
}

QString text(double value)
{
    const auto f = fieldsOf(value);
    if (!f)
        return {};
    const QString time = u"%1:%2:%3"_s.arg(f->hour)
                             .arg(f->minute, 2, 10, QChar(u'0'))
                             .arg(f->second, 2, 10, QChar(u'0'));
    if (*toSeconds(value) >= 0 && *toSeconds(value) < kSecondsPerDay)
        return time;
    const QString date = u"%1-%2-%3"_s.arg(f->year, 4, 10, QChar(u'0')).arg(f->month).arg(f->day);
    if (f->hour == 0 && f->minute == 0 && f->second == 0)
        return date;
    return date + u' ' + time;
}

std::optional<double> parseTargetLine(QStringView line)
{
    static const QRegularExpression form(
        u"^ *([0-9]{1,9})-([0-9]{1,9})-([0-9]{1,9})(?: +([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2}))? *$"_s);
    const auto match = form.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const auto number = [&](int group) { return match.capturedView(group).toInt(); };
    CalendarFields f { number(1), number(2), number(3), 0, 0, 0 };
    if (match.hasCaptured(4)) {
        f.hour = number(4);
        f.minute = number(5);
        f.second = number(6);
    }
    return valueOf(f);
}

} // namespace DateValue
