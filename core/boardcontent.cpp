// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardcontent.h"

#include "datevalue.h"
#include "timeleft.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;
using Subject = ExamSchedule::Subject;
using Phase = BoardContent::Phase;

namespace {
constexpr qint64 kUrgentSeconds = 15 * 60;
// The exam's subjects end within this many days of the target.
constexpr int kExamWeekDays = 7;
// Without subjects, the exam takes the target's day and the two after it.
constexpr int kExamDays = 3;

// 9:00, or 9:00:30 for a time with seconds.
QString clockText(const QTime& time)
{
    return time.toString(time.second() ? u"H:mm:ss"_s : u"H:mm"_s);
}

// 1:23:45 (pad = false) or 01:23:45.
QString durationText(qint64 seconds, bool pad)
{
    return u"%1:%2:%3"_s.arg(seconds / 3600, pad ? 2 : 1, 10, QChar(u'0'))
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

QString trimmedHeading(QString heading)
{
    while (!heading.isEmpty()
        && (heading.back().isSpace() || heading.back() == u':' || heading.back() == u'：'))
        heading.chop(1);
    return heading;
}

// The target's month, day and time in `year`.
QDateTime sameMomentIn(const QDateTime& target, int year)
{
    return TimeLeft::localMoment(TimeLeft::sameDayIn(target.date(), year), target.time());
}

// The end of the exam for a target: the end of its last subject within a
// week of it, else the end of its third day.
QDateTime examEnd(const QDateTime& target, const std::vector<Subject>& subjects)
{
    QDateTime last;
    const QDateTime latest = target.addDays(kExamWeekDays);
    for (const Subject& subject : subjects)
        if (subject.end > target && subject.end <= latest
            && (!last.isValid() || subject.end > last))
            last = subject.end;
    return last.isValid() ? last : target.date().addDays(kExamDays).startOfDay();
}

// The midnight after the exam's end: the rest of its day still belongs to it.
QDateTime dayAfter(const QDateTime& end) { return end.date().addDays(1).startOfDay(); }

QDateTime targetAfterRollOver(const QDateTime& target, const std::vector<Subject>& subjects,
    bool rollOver, const QDateTime& now)
{
    if (!rollOver || now < dayAfter(examEnd(target, subjects)))
        return target;
    // Every year before last is over whatever its subjects: a target years
    // ago starts the search there.
    int year = std::max(target.date().year() + 1, now.date().year() - 1);
    QDateTime next = sameMomentIn(target, year);
    while (year < DateValue::kMaxYear && now >= dayAfter(examEnd(next, subjects)))
        next = sameMomentIn(target, ++year);
    return next;
}

QString withYear(const QString& text, int from, int to)
{
    QString result = text;
    return result.replace(
        QRegularExpression(u"(?<![0-9])%1(?![0-9])"_s.arg(from)), QString::number(to));
}

// What starts after `after` (a subject shown, or the time now): the subjects
// still to come today, else tomorrow's first; empty when there is none.
QString comingText(const std::vector<Subject>& subjects, const QDateTime& after, const QDate& today)
{
    QStringList later;
    const Subject* tomorrow = nullptr;
    for (const Subject& subject : subjects) {
        if (subject.start <= after)
            continue;
        if (subject.start.date() == today)
            later << subject.name + u' ' + clockText(subject.start.time());
        else if (!tomorrow && subject.start.date() == today.addDays(1))
            tomorrow = &subject;
    }
    if (!later.isEmpty())
        return u"今天还有 "_s + later.join(u" · "_s);
    if (tomorrow)
        return u"明天 %1 %2"_s.arg(tomorrow->name, clockText(tomorrow->start.time()));
    return {};
}

// A subject now, or one later today; false when there is neither.
bool showSubject(BoardContent& content, const std::vector<Subject>& subjects, const QDateTime& now)
{
    const auto times = [](const Subject& s) {
        return u"%1 %2–%3"_s.arg(s.name, clockText(s.start.time()), clockText(s.end.time()));
    };
    for (const Subject& subject : subjects) {
        if (subject.start <= now && now < subject.end) {
            const qint64 left = now.secsTo(subject.end);
            content.phase = Phase::During;
            content.heading = times(subject);
            content.bigBefore = u"还剩"_s;
            content.big = durationText(left, false);
            content.urgent = left <= kUrgentSeconds;
            content.target = comingText(subjects, subject.start, now.date());
            return true;
        }
    }
    const auto next = std::find_if(
        subjects.begin(), subjects.end(), [&](const Subject& s) { return s.start > now; });
    if (next == subjects.end() || next->start.date() != now.date())
        return false;
    content.phase = Phase::Between;
    content.heading = u"下一科 "_s + times(*next);
    content.bigBefore = u"距开考"_s;
    content.big = durationText(now.secsTo(next->start), false);
    content.target = comingText(subjects, next->start, now.date());
    return true;
}
}

BoardContent BoardContent::at(const Source& source, const std::vector<Subject>& subjects,
    const BoardOptions& options, const QDateTime& now)
{
    BoardContent content;
    content.now = u"现在 "_s + dateText(now.date()) + u' ' + now.time().toString(u"H:mm:ss"_s);
    content.title = source.title;
    content.heading = trimmedHeading(source.heading);
    content.trouble = source.trouble;
    if (!source.target.isValid())
        return content;

    const QDateTime target = targetAfterRollOver(source.target, subjects, options.rollOver, now);
    const int year = target.date().year();
    if (const int from = source.target.date().year(); from != year) {
        content.title = withYear(content.title, from, year);
        content.heading = withYear(content.heading, from, year);
    }
    content.countedTarget = target;
    content.target = u"高考 "_s + dateText(target.date()) + u' ' + clockText(target.time());
    const QDateTime end = examEnd(target, subjects);
    const bool examDays = target <= now && now < end;
    const QString examDay = u"高考第 %1 天"_s.arg(target.date().daysTo(now.date()) + 1);
    if (showSubject(content, subjects, now)) {
        if (examDays)
            content.detail = examDay;
        return content;
    }

    const qint64 days = now.date().daysTo(target.date());
    if (examDays) {
        content.phase = Phase::ExamDay;
        content.heading = subjects.empty() ? QString() : u"今天的考试已结束"_s;
        content.bigBefore = u"高考第"_s;
        content.big = QString::number(1 - days);
        content.bigAfter = u"天"_s;
        const QDate last = end.addMSecs(-1).date();
        content.target = subjects.empty()
            ? u"高考 %1至%2月%3日"_s.arg(dateText(target.date()).section(u' ', 0, 0))
                  .arg(last.month())
                  .arg(last.day())
            : comingText(subjects, now, now.date());
    } else if (now >= end && now < dayAfter(end)) {
        content.phase = Phase::ExamOver;
        content.heading.clear();
        content.big = u"高考已结束"_s;
        if (options.rollOver) {
            const QDateTime next = sameMomentIn(target, year + 1);
            content.target = u"下次高考 "_s + dateText(next.date()) + u' ' + clockText(next.time());
        }
    } else if (days > 0) {
        content.phase = Phase::Days;
        content.big = QString::number(days);
        content.bigAfter = u"天"_s;
    } else if (days == 0 && now < target) {
        content.phase = Phase::TargetDay;
        content.big = u"今天"_s;
        content.detail = u"距开考 "_s + durationText(now.secsTo(target), true);
    } else {
        content.phase = Phase::Passed;
        content.heading = u"%1年高考已过"_s.arg(year);
        content.big = QString::number(-days);
        content.bigAfter = u"天"_s;
    }
    return content;
}

QString BoardContent::bigText() const
{
    QStringList words { bigBefore, big, bigAfter };
    words.removeAll(QString());
    return words.join(u' ');
}

QString BoardContent::dateText(const QDate& date)
{
    static const QString kWeekdays[]
        = { u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s, u"六"_s, u"日"_s };
    return u"%1年%2月%3日 星期%4"_s.arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(kWeekdays[date.dayOfWeek() - 1]);
}
