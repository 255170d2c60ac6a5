// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"

#include <QDateTime>
#include <QString>

// The time left to one countdown at a moment, and the texts its widget shows.
// Days are calendar days from today's date to the target's date (tomorrow is
// 1 天), whatever the clock shows and across a change of daylight saving
// time. The full form counts the seconds that really pass until the moment
// itself (a day of a daylight saving change has 23 or 25 hours), shown as
// whole periods of 24 hours and the rest: "1 天 23:00:00" two days ahead at
// the same time of day across a spring change. On the target's day it is
// 今天 (in the full form from the moment on); after it, a countdown that
// repeats counts to the same day of the next year, at the same time (29
// February to the 28th in a year without it), and one that does not shows
// how many days have passed.
struct TimeLeft {
    enum class Kind { Ahead, Today, Passed };

    Kind kind = Kind::Ahead;
    // Calendar days to the target's date (Ahead), or since it (Passed).
    qint64 days = 0;
    // Seconds to the target moment; 0 once it has come.
    qint64 seconds = 0;
    // The moment counted to: the entry's, or with repeat its next one.
    QDateTime target;

    static TimeLeft at(const CountdownEntry& entry, const QDateTime& now);

    // "距一模": the widget's first line.
    static QString caption(const CountdownEntry& entry);
    // The second line: "还有 14 天", "14 天 06:12:09" (full form), "今天",
    // "已过 3 天".
    QString text(CountdownEntry::Format format) const;
    // When the text changes next, after `now`: the next whole second while
    // the full form counts down, otherwise the start of the next local day
    // (its first moment where midnight is skipped by a daylight saving change).
    static QDateTime nextChange(const CountdownEntry& entry, const QDateTime& now);

    // The moment the local clock shows `time` on `date`. A time in the hour
    // that a spring change of daylight saving time skips, for which QDateTime
    // has no moment, is taken as the one an hour later (02:30 as 03:30).
    static QDateTime localMoment(const QDate& date, const QTime& time);
    // The local moment of a date value, as localMoment() takes its date and
    // time; invalid outside the years a date value may have.
    static QDateTime localMoment(double dateValue);
    // The same month and day in `year`: 29 February falls on the 28th in a
    // year without it.
    static QDate sameDayIn(const QDate& date, int year);
};
