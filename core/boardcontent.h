// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardoptions.h"
#include "examschedule.h"

#include <QDateTime>
#include <QString>
#include <vector>

// What the classroom board shows at one moment, worked out from the settings
// file's title, heading and target, the exam schedule, the board's options and
// the time now, and nothing else, so that it can be followed through any day.
// Days are calendar days from today's date to the target's (the number holds
// all day and changes at midnight), unlike the main window's whole periods of
// 24 hours. On the target's day it is 今天, with the time to the moment until
// it comes. On a day with subjects the exam takes the place of the days: the
// subject now and the time left of it, or the next one and the time to it;
// after the day's last, the next day's first; after the very last, 考试结束.
// After exam week (the end of its last subject within seven days of the
// target, else the end of the target's day and three more) the board counts
// to the same day and time of the next year, 29 February falling on the 28th,
// and a year in the title or heading that is the target's shows as the new
// one; options.rollOver=false keeps the target as it is.
struct BoardContent {
    enum class Phase {
        NoTarget, // no target read yet
        Days, // days to go
        TargetDay, // the target's day
        Passed, // days since a target that does not roll over yet
        During, // a subject is being written
        Between, // a subject comes later today
        DayDone, // today's subjects are over, more follow on another day
        AllDone, // the last subject is over
    };

    struct Source {
        QString title;
        QString heading;
        // Local time; invalid while none has been read.
        QDateTime target;
    };

    Phase phase = Phase::NoTarget;
    QString title;
    // The heading without blanks or colon at its end; on a day with subjects,
    // what the exam does now (正在考试 9:00–11:30, 下一科 15:00, ...).
    QString heading;
    // The huge part: a number with the words around it ("已过" "2" "天"), or
    // a word alone (今天, 语文, 考试结束).
    QString bigBefore;
    QString big;
    QString bigAfter;
    // The line under it, or empty: 距开考 01:23:45, 还剩 1:23:45, ...
    QString detail;
    // The last 15 minutes of a subject.
    bool urgent = false;
    // 2027年6月7日 星期一 9:00: the target counted to.
    QString target;
    // 2026年12月8日 星期二 14:03:27
    QString now;
    // The target counted to, after any roll-over; invalid without one.
    QDateTime countedTarget;

    static BoardContent at(const Source& source, const std::vector<ExamSchedule::Subject>& subjects,
        const BoardOptions& options, const QDateTime& now);

    bool operator==(const BoardContent&) const = default;

    // The huge part's words in one line, as a screen reader says it.
    QString bigText() const;
    // 2027年6月7日 星期一
    static QString dateText(const QDate& date);
};
