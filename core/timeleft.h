// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"

#include <QDateTime>
#include <QString>

// The time left to one countdown at a moment, and the texts its widget shows.
// Days are calendar days from today's date to the target's date (tomorrow is
// 1 天), whatever the clock shows and across a change of daylight saving
// time; the full form counts to the moment itself. On the target's day it is
// 今天; after it, a countdown that repeats counts to the same day of the next
// year (29 February to the last day of February), and one that does not
// shows how many days have passed.
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
    // When the text changes next, after `now`: the next second in the full
    // form, the next local midnight for days only.
    static QDateTime nextChange(const CountdownEntry& entry, const QDateTime& now);
};
