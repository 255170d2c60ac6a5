// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "examschedule.h"

#include "countdownschema.h"
#include "localtimetext.h"
#include "logging.h"
#include "preferencearray.h"
#include "timeleft.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using Subject = ExamSchedule::Subject;

namespace {
enum Key { NameKey, StartKey, EndKey };
constexpr int kMaxEntries = ExamSchedule::kMaxEntries;
constexpr int kMaxNameLength = 20;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

// A moment as a person may write it, within the years the board counts.
std::optional<QDateTime> readTime(const QString& text)
{
    const std::optional<LocalTimeText> moment = LocalTimeText::read(text);
    if (!moment || moment->date.year() < kFirstYear || moment->date.year() > kLastYear)
        return std::nullopt;
    return TimeLeft::localMoment(moment->date, moment->time);
}

struct Scan {
    ExamSchedule::Loaded loaded;
    // The entries kept as they stand, by their place in the array.
    std::vector<std::size_t> unread;
};

QString nameProblem(const QString& name, int number)
{
    if (name.isEmpty())
        return u"第 %1 科没有名称"_s.arg(number);
    const QList<uint> characters = name.toUcs4();
    if (std::any_of(characters.cbegin(), characters.cend(), CountdownSchema::breaksText))
        return u"第 %1 科的名称“%2”含有控制字符"_s.arg(number).arg(CountdownSchema::shown(name));
    if (characters.size() > kMaxNameLength)
        return u"第 %1 科的名称“%2”超过 %3 个字"_s.arg(number)
            .arg(CountdownSchema::shown(name))
            .arg(kMaxNameLength);
    return {};
}

// Why `subject` cannot follow the subjects `before` (numbered `numbers`).
QString timeProblem(const Subject& subject, int number, const std::vector<Subject>& before,
    const std::vector<int>& numbers)
{
    const QString name = CountdownSchema::shown(subject.name);
    if (subject.end <= subject.start)
        return u"第 %1 科“%2”的结束时间不晚于开始时间"_s.arg(number).arg(name);
    for (std::size_t i = 0; i < before.size(); ++i)
        if (subject.start < before[i].end && before[i].start < subject.end)
            return u"第 %1 科“%2”与第 %3 科“%4”的时间重叠"_s.arg(number)
                .arg(name)
                .arg(numbers[i])
                .arg(CountdownSchema::shown(before[i].name));
    return {};
}

// Why `subject`'s times lie where the file's reader reads none.
QString yearProblem(const Subject& subject, int number)
{
    const auto outside = [](const QDateTime& time) {
        return !time.isValid() || time.date().year() < kFirstYear || time.date().year() > kLastYear;
    };
    if (!outside(subject.start) && !outside(subject.end))
        return {};
    return u"第 %1 科“%2”的时间不在 %3 至 %4 年之间"_s.arg(number)
        .arg(CountdownSchema::shown(subject.name))
        .arg(kFirstYear)
        .arg(kLastYear);
}

// The entry with `keys`, or why it is skipped.
QString readEntry(const PreferenceValues& keys, int number, const std::vector<Subject>& read,
    const std::vector<int>& readNumbers, Subject& subject)
{
    const PreferenceGroup& group = ExamSchedule::group();
    subject.name = keys.value(group.key(NameKey).name).trimmed();
    if (QString why = nameProblem(subject.name, number); !why.isEmpty())
        return why;
    const QString shownName = CountdownSchema::shown(subject.name);
    const auto time = [&](Key key, const QString& what, QDateTime& into) {
        const QString text = keys.value(group.key(key).name);
        const std::optional<QDateTime> moment = readTime(text);
        if (moment && moment->isValid()) {
            into = *moment;
            return QString();
        }
        if (text.trimmed().isEmpty())
            return u"第 %1 科“%2”没有%3时间"_s.arg(number).arg(shownName, what);
        return u"第 %1 科“%2”的%3时间“%4”无法识别"_s.arg(number).arg(
            shownName, what, CountdownSchema::shown(text));
    };
    if (QString why = time(StartKey, u"开始"_s, subject.start); !why.isEmpty())
        return why;
    if (QString why = time(EndKey, u"结束"_s, subject.end); !why.isEmpty())
        return why;
    return timeProblem(subject, number, read, readNumbers);
}

Scan scanArray(const PreferenceArray& array)
{
    Scan scan;
    if (!array.declaredSize() && !array.entries().empty()) {
        // A hand-written file may lack it; the entries are there all the same.
        scan.loaded.skipped << u"考试安排的科目数（size）“%1”无法识别，按编号读取了各科。"_s.arg(
            CountdownSchema::shown(array.sizeText()));
    }
    if (!array.beyond().empty())
        scan.loaded.skipped << u"考试安排在科目数（size）之后还有 %1 科，不读取。"_s.arg(
            array.beyond().size());
    std::size_t count = array.entries().size();
    if (count > std::size_t(kMaxEntries)) {
        scan.loaded.skipped << u"考试安排有 %1 科，只读了前 %2 科，其余已跳过。"_s.arg(count).arg(
            kMaxEntries);
        for (std::size_t i = kMaxEntries; i < count; ++i)
            scan.unread.push_back(i);
        count = kMaxEntries;
    }
    std::vector<int> readNumbers;
    for (std::size_t i = 0; i < count; ++i) {
        const int number = int(array.numbers()[i]);
        Subject subject;
        const QString why
            = readEntry(array.entries()[i], number, scan.loaded.subjects, readNumbers, subject);
        if (why.isEmpty()) {
            scan.loaded.subjects.push_back(subject);
            readNumbers.push_back(number);
        } else {
            scan.loaded.skipped << why + u"，已跳过。"_s;
            scan.unread.push_back(i);
        }
    }
    std::sort(scan.unread.begin(), scan.unread.end());
    std::stable_sort(scan.loaded.subjects.begin(), scan.loaded.subjects.end(),
        [](const Subject& a, const Subject& b) { return a.start < b.start; });
    return scan;
}
}

const PreferenceGroup& ExamSchedule::group()
{
    static const PreferenceGroup group { u"exam"_s,
        {
            { u"subject"_s, {}, false },
            { u"start"_s, {}, false },
            { u"end"_s, {}, false },
        },
        PreferenceGroup::Kind::Array, PreferenceGroup::Home::SettingsFolder };
    return group;
}

ExamSchedule::ExamSchedule(Preferences preferences)
    : m_preferences(std::move(preferences))
{
}

ExamSchedule::Loaded ExamSchedule::read() const
{
    return scanArray(PreferenceArray(m_preferences.read(group()))).loaded;
}

ExamSchedule::Loaded ExamSchedule::load() const
{
    Loaded loaded = read();
    for (const QString& line : std::as_const(loaded.skipped))
        qCWarning(lcBoard).noquote() << line;
    return loaded;
}

FileTrouble ExamSchedule::save(const std::vector<Subject>& subjects) const
{
    return m_preferences.edit(group(), [&](PreferenceValues& values) {
        // The user's schedule, or the school's where the user has none yet:
        // its entries that were not read stay, after the saved ones. Those
        // that lay past the entries the board reads stay past the array's
        // size, where no deletion of a saved subject brings them back.
        PreferenceArray array(m_preferences.read(group()));
        const Scan scan = scanArray(array);
        std::vector<PreferenceValues> beyond;
        std::vector<PreferenceValues> entries;
        for (const Subject& subject : subjects) {
            PreferenceValues keys;
            keys.insert(group().key(NameKey).name, subject.name);
            keys.insert(group().key(StartKey).name, timeText(subject.start));
            keys.insert(group().key(EndKey).name, timeText(subject.end));
            entries.push_back(keys);
        }
        for (const std::size_t at : scan.unread)
            (at < std::size_t(kMaxEntries) ? entries : beyond).push_back(array.entries()[at]);
        beyond.insert(beyond.end(), array.beyond().begin(), array.beyond().end());
        array.entries() = std::move(entries);
        array.beyond() = std::move(beyond);
        array.renumber();
        values = array.values();
    });
}

std::vector<Subject> ExamSchedule::common(int year)
{
    struct Row {
        const char16_t* name;
        int day, startHour, startMinute, endHour, endMinute;
    };
    static constexpr Row kRows[] = {
        { u"语文", 7, 9, 0, 11, 30 },
        { u"数学", 7, 15, 0, 17, 0 },
        { u"物理/历史", 8, 9, 0, 10, 15 },
        { u"外语", 8, 15, 0, 17, 0 },
        { u"化学", 9, 8, 30, 9, 45 },
        { u"地理", 9, 11, 0, 12, 15 },
        { u"思想政治", 9, 14, 30, 15, 45 },
        { u"生物学", 9, 17, 0, 18, 15 },
    };
    std::vector<Subject> subjects;
    for (const Row& row : kRows) {
        const QDate date(year, 6, row.day);
        subjects.push_back({ QString::fromUtf16(row.name),
            TimeLeft::localMoment(date, QTime(row.startHour, row.startMinute)),
            TimeLeft::localMoment(date, QTime(row.endHour, row.endMinute)) });
    }
    return subjects;
}

QStringList ExamSchedule::problems(const std::vector<Subject>& subjects)
{
    // As the reader goes: a subject is compared with those before it that it read.
    QStringList problems;
    std::vector<Subject> read;
    std::vector<int> numbers;
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const int number = int(i) + 1;
        QString why;
        if (number > kMaxEntries)
            why = u"第 %1 科超出了大屏读取的 %2 科"_s.arg(number).arg(kMaxEntries);
        if (why.isEmpty())
            why = nameProblem(subjects[i].name, number);
        if (why.isEmpty())
            why = yearProblem(subjects[i], number);
        if (why.isEmpty())
            why = timeProblem(subjects[i], number, read, numbers);
        if (why.isEmpty()) {
            read.push_back(subjects[i]);
            numbers.push_back(number);
        } else {
            why += u"。"_s;
        }
        problems << why;
    }
    return problems;
}

QString ExamSchedule::problem(const std::vector<Subject>& subjects)
{
    const QStringList problems = ExamSchedule::problems(subjects);
    for (const QString& why : problems)
        if (!why.isEmpty())
            return why;
    return {};
}

QString ExamSchedule::timeText(const QDateTime& time)
{
    return LocalTimeText::written(time.date(), time.time());
}
