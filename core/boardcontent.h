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
// Every line says what it is: 高考 before the target's date, 现在 before the
// clock. Days are calendar days from today's date to the target's (the number
// holds all day and changes at midnight), unlike the main window's whole
// periods of 24 hours. On the target's day it is 今天, with the time to the
// moment until it comes.
// The exam runs from the target's moment to the end of its last subject
// within seven days of the target, or without one to the end of the target's
// day and the two after it (the common schedule's 7 to 9 June): through it the
// board shows 高考第 N 天, then 高考已结束 for the rest of the day the exam
// ends on. At the midnight after that the board counts to the same day and
// time of the next year (29 February falling on the 28th), and from then on a
// year in the title or heading that is the target's shows as the new one;
// options.rollOver=false keeps the target and shows the days since it
// (2027年高考已过 23 天).
// A subject of the schedule shows from its start to its end, across midnight
// too, on any day (a mock exam in March as well): the subject and its times as
// the heading, the time left as the huge part; before a subject that day, the
// time to it. On such a day the target's line gives way to the subjects still
// to come that day, or the next day's first.
struct BoardContent {
    enum class Phase {
        NoTarget, // no target read yet
        Days, // days to go
        TargetDay, // the target's day, before its moment
        ExamDay, // the exam's days, no subject being written or next today
        ExamOver, // the rest of the day the exam ended on
        Passed, // days since a target that does not roll over
        During, // a subject is being written
        Between, // a subject comes later today
    };

    struct Source {
        QString title;
        QString heading;
        // Local time; invalid while none has been read.
        QDateTime target;
        // Why the settings file could not be read, in the words the main
        // window uses; empty when it was read.
        QString trouble {};
    };

    Phase phase = Phase::NoTarget;
    QString title;
    // The heading without blanks or colon at its end, or what the exam does
    // now (语文 9:00–11:30, 下一科 数学 15:00–17:00, 2027年高考已过, ...).
    QString heading;
    // The huge part: a number with the words around it ("高考第" "2" "天",
    // "还剩" "0:14:59"), or a word alone (今天, 高考已结束).
    QString bigBefore;
    QString big;
    QString bigAfter;
    // The line under it, or empty: 距开考 01:23:45, 高考第 1 天, ...
    QString detail;
    // The last 15 minutes of a subject.
    bool urgent = false;
    // 高考 2027年6月7日 星期一 9:00, or on a day with subjects what follows
    // (今天还有 数学 15:00, 明天 物理/历史 9:00).
    QString target;
    // 现在 2026年12月8日 星期二 14:03:27
    QString now;
    // The source's trouble.
    QString trouble;
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
