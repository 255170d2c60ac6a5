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
// Exam week's subjects end within this many days of the target.
constexpr int kExamWeekDays = 7;
// Without subjects, the target's day and this many more.
constexpr int kDaysAfterTarget = 3;

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

// The end of exam week for a target.
QDateTime examWeekEnd(const QDateTime& target, const std::vector<Subject>& subjects)
{
    QDateTime last;
    const QDateTime latest = target.addDays(kExamWeekDays);
    for (const Subject& subject : subjects)
        if (subject.end > target && subject.end <= latest
            && (!last.isValid() || subject.end > last))
            last = subject.end;
    return last.isValid() ? last : target.date().addDays(kDaysAfterTarget + 1).startOfDay();
}

QDateTime targetAfterRollOver(const QDateTime& target, const std::vector<Subject>& subjects,
    bool rollOver, const QDateTime& now)
{
    if (!rollOver || now < examWeekEnd(target, subjects))
        return target;
    // Every year before last is over whatever its subjects: a target years
    // ago starts the search there.
    int year = std::max(target.date().year() + 1, now.date().year() - 1);
    QDateTime next = sameMomentIn(target, year);
    while (year < DateValue::kMaxYear && now >= examWeekEnd(next, subjects))
        next = sameMomentIn(target, ++year);
    return next;
}

QString withYear(const QString& text, int from, int to)
{
    QString result = text;
    return result.replace(
        QRegularExpression(u"(?<![0-9])%1(?![0-9])"_s.arg(from)), QString::number(to));
}

// The exam's part of a day with subjects; false on any other day.
bool showExam(BoardContent& content, const std::vector<Subject>& subjects, const QDateTime& now)
{
    const QDate today = now.date();
    const auto isToday = [&](const Subject& s) { return s.start.date() == today; };
    if (std::none_of(subjects.begin(), subjects.end(), isToday))
        return false;
    for (const Subject& subject : subjects) {
        if (isToday(subject) && subject.start <= now && now < subject.end) {
            const qint64 left = now.secsTo(subject.end);
            content.phase = Phase::During;
            content.heading = u"正在考试 %1–%2"_s.arg(
                clockText(subject.start.time()), clockText(subject.end.time()));
            content.big = subject.name;
            content.detail = u"还剩 "_s + durationText(left, false);
            content.urgent = left <= kUrgentSeconds;
            return true;
        }
    }
    const auto next = std::find_if(
        subjects.begin(), subjects.end(), [&](const Subject& s) { return s.start > now; });
    if (next == subjects.end()) {
        content.phase = Phase::AllDone;
        content.heading.clear();
        content.big = u"考试结束"_s;
        return true;
    }
    content.big = next->name;
    const QString at = clockText(next->start.time());
    if (isToday(*next)) {
        content.phase = Phase::Between;
        content.heading = u"下一科 "_s + at;
        content.detail = u"还有 "_s + durationText(now.secsTo(next->start), false);
    } else {
        content.phase = Phase::DayDone;
        content.heading = u"今天的考试已结束"_s;
        const QDate day = next->start.date();
        content.detail = u"下一科 %1 %2"_s.arg(
            day == today.addDays(1) ? u"明天"_s : BoardContent::dateText(day), at);
    }
    return true;
}
}

BoardContent BoardContent::at(const Source& source, const std::vector<Subject>& subjects,
    const BoardOptions& options, const QDateTime& now)
{
    BoardContent content;
    content.now = dateText(now.date()) + u' ' + now.time().toString(u"H:mm:ss"_s);
    content.title = source.title;
    content.heading = trimmedHeading(source.heading);
    if (!source.target.isValid())
        return content;

    const QDateTime target = targetAfterRollOver(source.target, subjects, options.rollOver, now);
    if (const int from = source.target.date().year(), to = target.date().year(); from != to) {
        content.title = withYear(content.title, from, to);
        content.heading = withYear(content.heading, from, to);
    }
    content.countedTarget = target;
    content.target = dateText(target.date()) + u' ' + clockText(target.time());
    if (showExam(content, subjects, now))
        return content;

    const qint64 days = now.date().daysTo(target.date());
    if (days > 0) {
        content.phase = Phase::Days;
        content.big = QString::number(days);
        content.bigAfter = u"天"_s;
    } else if (days == 0) {
        content.phase = Phase::TargetDay;
        content.big = u"今天"_s;
        if (now < target)
            content.detail = u"距开考 "_s + durationText(now.secsTo(target), true);
    } else {
        content.phase = Phase::Passed;
        content.bigBefore = u"已过"_s;
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
