// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "examschedule.h"

#include "countdownschema.h"
#include "logging.h"
#include "preferencenames.h"
#include "preferencesformat.h"
#include "timeleft.h"

#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;
using Subject = ExamSchedule::Subject;

namespace {
const QString kGroup = u"exam"_s;
const QString kSize = u"size"_s;
const QString kName = u"subject"_s;
const QString kStart = u"start"_s;
const QString kEnd = u"end"_s;
// Far more than an exam week has; a file that says more is not read further.
constexpr int kMaxEntries = 40;
constexpr int kMaxNameLength = 20;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

using KeyValues = std::vector<std::pair<QString, QVariant>>;

int entryNumber(const QString& name)
{
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok && number > 0 && QString::number(number) == name ? number : 0;
}

// 2027-06-07T09:00, with :ss or a blank for the T, as a person may write it.
std::optional<QDateTime> readTime(QString text)
{
    text = text.trimmed();
    if (text.size() > 10 && text[10] == u' ')
        text[10] = u'T';
    const QDate date = QDate::fromString(text.left(10), u"yyyy-MM-dd"_s);
    const QString clock = text.mid(11);
    const QTime time = QTime::fromString(clock, clock.size() > 5 ? u"HH:mm:ss"_s : u"HH:mm"_s);
    if (text.size() < 16 || text[10] != u'T' || !date.isValid() || !time.isValid()
        || date.year() < kFirstYear || date.year() > kLastYear)
        return std::nullopt;
    return TimeLeft::localMoment(date, time);
}

struct Scan {
    ExamSchedule::Loaded loaded;
    // The numbers of the entries kept as they stand.
    std::vector<int> unread;
};

QString nameProblem(const QString& name, int number)
{
    if (name.isEmpty())
        return u"第 %1 科没有名称"_s.arg(number);
    if (std::any_of(name.cbegin(), name.cend(),
            [](QChar c) { return c.category() == QChar::Other_Control; }))
        return u"第 %1 科的名称“%2”含有控制字符"_s.arg(number).arg(CountdownSchema::shown(name));
    if (name.toUcs4().size() > kMaxNameLength)
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

// The entry in the current group, or why it is skipped.
QString readEntry(const QSettings& file, int number, const std::vector<Subject>& read,
    const std::vector<int>& readNumbers, Subject& subject)
{
    subject.name = file.value(kName).toString().trimmed();
    if (QString why = nameProblem(subject.name, number); !why.isEmpty())
        return why;
    const QString shownName = CountdownSchema::shown(subject.name);
    const auto time = [&](const QString& key, const QString& what, QDateTime& into) {
        const QString text = file.value(key).toString();
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
    if (QString why = time(kStart, u"开始"_s, subject.start); !why.isEmpty())
        return why;
    if (QString why = time(kEnd, u"结束"_s, subject.end); !why.isEmpty())
        return why;
    return timeProblem(subject, number, read, readNumbers);
}

std::vector<int> entryNumbers(const QSettings& file)
{
    std::vector<int> numbers;
    for (const QString& name : file.childGroups())
        if (const int number = entryNumber(name))
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

Scan scanArray(QSettings& file)
{
    Scan scan;
    std::vector<int> numbers = entryNumbers(file);
    const QString sizeText = file.value(kSize).toString();
    bool isNumber = false;
    const qlonglong size = sizeText.toLongLong(&isNumber);
    if (isNumber && size >= 0) {
        // As QSettings reads an array: entries beyond its size are not part of it.
        std::erase_if(numbers, [&](int number) { return number > size; });
    } else if (!numbers.empty()) {
        // A hand-written file may lack it; the entries are there all the same.
        scan.loaded.skipped << u"考试安排的科目数（size）“%1”无法识别，按编号读取了各科。"_s.arg(
            CountdownSchema::shown(sizeText));
    }
    if (numbers.size() > std::size_t(kMaxEntries)) {
        scan.loaded.skipped << u"考试安排有 %1 科，只读了前 %2 科，其余已跳过。"_s
                                   .arg(numbers.size())
                                   .arg(kMaxEntries);
        scan.unread.assign(numbers.begin() + kMaxEntries, numbers.end());
        numbers.resize(kMaxEntries);
    }
    std::vector<int> readNumbers;
    for (const int number : numbers) {
        file.beginGroup(QString::number(number));
        Subject subject;
        const QString why = readEntry(file, number, scan.loaded.subjects, readNumbers, subject);
        file.endGroup();
        if (why.isEmpty()) {
            scan.loaded.subjects.push_back(subject);
            readNumbers.push_back(number);
        } else {
            scan.loaded.skipped << why + u"，已跳过。"_s;
            scan.unread.push_back(number);
        }
    }
    std::stable_sort(scan.loaded.subjects.begin(), scan.loaded.subjects.end(),
        [](const Subject& a, const Subject& b) { return a.start < b.start; });
    return scan;
}

KeyValues keyValues(const QSettings& file)
{
    KeyValues values;
    for (const QString& key : file.allKeys())
        values.emplace_back(key, file.value(key));
    return values;
}
}

ExamSchedule::ExamSchedule(Preferences preferences)
    : m_preferences(std::move(preferences))
{
    registerNames();
}

ExamSchedule::Loaded ExamSchedule::load() const
{
    Scan scan;
    m_preferences.read(kGroup, [&](QSettings& file) {
        file.beginGroup(kGroup);
        scan = scanArray(file);
    });
    for (const QString& line : std::as_const(scan.loaded.skipped))
        qCWarning(lcBoard).noquote() << line;
    return scan.loaded;
}

FileTrouble ExamSchedule::save(const std::vector<Subject>& subjects) const
{
    bool hadSchedule = false;
    m_preferences.read(kGroup, [&](QSettings& file) {
        file.beginGroup(kGroup);
        hadSchedule = !file.childKeys().isEmpty() || !file.childGroups().isEmpty();
    });
    return m_preferences.edit([&](QSettings& file) {
        file.beginGroup(kGroup);
        std::vector<KeyValues> kept;
        for (const int number : scanArray(file).unread) {
            file.beginGroup(QString::number(number));
            if (KeyValues values = keyValues(file); !values.empty())
                kept.push_back(std::move(values));
            file.endGroup();
        }
        KeyValues others = keyValues(file);
        std::erase_if(others, [](const auto& keyValue) {
            const QString& key = keyValue.first;
            return key == kSize || entryNumber(key.section(u'/', 0, 0)) > 0;
        });
        file.remove(QString());
        for (const auto& [key, value] : others)
            file.setValue(key, value);
        // Written as 0 where there was a schedule: a user who emptied it then
        // has none, rather than the school's again.
        const std::size_t size = subjects.size() + kept.size();
        if (size > 0 || hadSchedule)
            file.setValue(kSize, qulonglong(size));
        for (std::size_t i = 0; i < size; ++i) {
            file.beginGroup(QString::number(i + 1));
            if (i < subjects.size()) {
                file.setValue(kName, subjects[i].name);
                file.setValue(kStart, timeText(subjects[i].start));
                file.setValue(kEnd, timeText(subjects[i].end));
            } else {
                for (const auto& [key, value] : kept[i - subjects.size()])
                    file.setValue(key, value);
            }
            file.endGroup();
        }
        file.endGroup();
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

QString ExamSchedule::problem(const std::vector<Subject>& subjects)
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const int number = int(i) + 1;
        QString why = nameProblem(subjects[i].name, number);
        if (why.isEmpty())
            why = timeProblem(subjects[i], number,
                std::vector<Subject>(subjects.begin(), subjects.begin() + std::ptrdiff_t(i)),
                numbers);
        if (!why.isEmpty())
            return why + u"。"_s;
        numbers.push_back(number);
    }
    return {};
}

QString ExamSchedule::timeText(const QDateTime& time)
{
    return time.toString(time.time().second() ? u"yyyy-MM-ddTHH:mm:ss"_s : u"yyyy-MM-ddTHH:mm"_s);
}

void ExamSchedule::registerNames()
{
    PreferenceNames::add({ kGroup + u'/' + kSize, kGroup + u'/' + kName, kGroup + u'/' + kStart,
        kGroup + u'/' + kEnd });
    PreferencesFormat::addKeyOrder({ kName, kStart, kEnd });
}
