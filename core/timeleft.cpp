// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeleft.h"

#include "datevalue.h"

using namespace Qt::StringLiterals;
using DateValue::kSecondsPerDay;

namespace {
// The moment counted to: with repeat, the entry's day in the first year from
// today's on where it has not passed, however long ago the entry's own was.
QDateTime countedTarget(const CountdownEntry& entry, const QDate& today)
{
    if (!entry.repeat || entry.date >= today)
        return TimeLeft::localMoment(entry.date, entry.time);
    QDate next = TimeLeft::sameDayIn(entry.date, today.year());
    if (next < today)
        next = TimeLeft::sameDayIn(entry.date, today.year() + 1);
    return TimeLeft::localMoment(next, entry.time);
}
}

TimeLeft TimeLeft::at(const CountdownEntry& entry, const QDateTime& now)
{
    TimeLeft left;
    const QDate today = now.date();
    left.target = countedTarget(entry, today);
    // Dates, not seconds: a day of 23 or 25 hours is still one day.
    const qint64 days = today.daysTo(left.target.date());
    left.kind = days > 0 ? Kind::Ahead : days == 0 ? Kind::Today : Kind::Passed;
    left.days = std::abs(days);
    left.seconds = std::max<qint64>(0, now.secsTo(left.target));
    return left;
}

QString TimeLeft::caption(const CountdownEntry& entry) { return u"距"_s + entry.title; }

QString TimeLeft::text(CountdownEntry::Format format) const
{
    if (format == CountdownEntry::Format::Full && seconds > 0) {
        // Whole days of 24 hours, then the rest, so the clock part runs down
        // steadily even across a change of daylight saving time.
        const qint64 rest = seconds % kSecondsPerDay;
        return u"%1 天 %2:%3:%4"_s.arg(seconds / kSecondsPerDay)
            .arg(rest / 3600, 2, 10, QChar(u'0'))
            .arg(rest / 60 % 60, 2, 10, QChar(u'0'))
            .arg(rest % 60, 2, 10, QChar(u'0'));
    }
    switch (kind) {
    case Kind::Ahead:
        return u"还有 %1 天"_s.arg(days);
    case Kind::Today:
        return u"今天"_s;
    case Kind::Passed:
        return u"已过 %1 天"_s.arg(days);
    }
    Q_UNREACHABLE();
}

QDateTime TimeLeft::nextChange(const CountdownEntry& entry, const QDateTime& now)
{
    if (entry.format == CountdownEntry::Format::Full && at(entry, now).seconds > 0) {
        const QDateTime second = now.addMSecs(-now.time().msec());
        return second.addSecs(1);
    }
    // startOfDay(): where midnight is skipped by a change of daylight saving
    // time, the day starts at the first moment it has.
    return now.date().addDays(1).startOfDay();
}

QDateTime TimeLeft::localMoment(const QDate& date, const QTime& time)
{
    const QDateTime moment(date, time);
    if (moment.isValid())
        return moment;
    return QDateTime(date, time.addSecs(-3600)).addSecs(3600);
}

QDateTime TimeLeft::localMoment(double dateValue)
{
    const std::optional<DateValue::CalendarFields> f = DateValue::fieldsOf(dateValue);
    if (!f)
        return {};
    return localMoment(QDate(f->year, f->month, f->day), QTime(f->hour, f->minute, f->second));
}

QDate TimeLeft::sameDayIn(const QDate& date, int year)
{
    const QDate first(year, date.month(), 1);
    return QDate(year, date.month(), std::min(date.day(), first.daysInMonth()));
}
