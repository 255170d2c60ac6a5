// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "localzone.h"

#include "boardcontent.h"
#include "boardoptions.h"
#include "settingsfile.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

class TestBoardContent : public QObject {
    Q_OBJECT
private slots:
    // The board through the months before the exam, the exam week with the
    // common schedule (or none), and after it; local time in `zone`.
    // The first read in a process takes the names in any case: no reader
    // has to be told them first.
    void theFirstReadTakesAnyCase()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, "[Board]\nTheme=red\nROLLOVER=false\n");
        const BoardOptions options = BoardOptions::read(Preferences(path, {}, Policies()));
        QCOMPARE(options.theme, BoardOptions::Theme::Red);
        QVERIFY(!options.rollOver);
    }

    void throughTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<bool>("rollOver");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("big");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("urgent");
        QTest::addColumn<QString>("shownTarget");
        const QString h27 = u"距2027年高考 还 有"_s;
        const QString t27 = u"高考 2027年6月7日 星期一 9:00"_s;
        const QString h28 = u"距2028年高考 还 有"_s;
        const QString t28 = u"高考 2028年6月7日 星期三 9:00"_s;
        const QString next28 = u"下次高考 2028年6月7日 星期三 9:00"_s;
        const auto row = [](const char* name, const char* zone, const char* target,
                             const char* schedule, bool rollOver, const char* now, int titleYear,
                             const QString& heading, const QString& big, const QString& detail,
                             bool urgent, const QString& shownTarget) {
            QTest::newRow(name) << QByteArray(zone) << QString::fromLatin1(target)
                                << QString::fromLatin1(schedule) << rollOver
                                << QString::fromLatin1(now) << u"某某中学 %1届"_s.arg(titleYear)
                                << heading << big << detail << urgent << shownTarget;
        };
        const char* sh = "Asia/Shanghai";
        const char* exam = "2027-06-07T09:00";
        row("a normal day", sh, exam, "", true, "2026-12-08T14:03:27", 2027, h27, u"181 天"_s, {},
            false, t27);
        row("a second before midnight", sh, exam, "", true, "2027-06-05T23:59:59", 2027, h27,
            u"2 天"_s, {}, false, t27);
        row("midnight", sh, exam, "", true, "2027-06-06T00:00", 2027, h27, u"1 天"_s, {}, false,
            t27);
        row("the target's day before the start", sh, exam, "", true, "2027-06-07T07:36:15", 2027,
            h27, u"今天"_s, u"距开考 01:23:45"_s, false, t27);
        // Without a schedule: three days of exam, then a day that says so.
        const QString examDays = u"高考 2027年6月7日至6月9日"_s;
        row("the start, no schedule", sh, exam, "", true, "2027-06-07T09:00", 2027, {},
            u"高考第 1 天"_s, {}, false, examDays);
        row("the third day, no schedule", sh, exam, "", true, "2027-06-09T23:59:59", 2027, {},
            u"高考第 3 天"_s, {}, false, examDays);
        row("over, no schedule", sh, exam, "", true, "2027-06-10T23:59:59", 2027, {},
            u"高考已结束"_s, {}, false, next28);
        row("rolled over, no schedule", sh, exam, "", true, "2027-06-11T00:00", 2028, h28,
            u"362 天"_s, {}, false, t28);
        row("never rolled over", sh, exam, "", false, "2027-06-30T00:00", 2027, u"2027年高考已过"_s,
            u"23 天"_s, {}, false, t27);
        row("never rolled over, the day it ended", sh, exam, "common", false, "2027-06-09T20:00",
            2027, {}, u"高考已结束"_s, {}, false, t27);
        row("years ago", sh, "2014-06-07T09:00", "", true, "2026-12-08T14:03:27", 2027,
            u"距2027年高考 还 有"_s, u"181 天"_s, {}, false, t27);
        row("before the first subject", sh, exam, "common", true, "2027-06-07T07:36:15", 2027,
            u"下一科 语文 9:00–11:30"_s, u"距开考 1:23:45"_s, {}, false, u"今天还有 数学 15:00"_s);
        const QString chinese = u"语文 9:00–11:30"_s;
        row("a subject starts", sh, exam, "common", true, "2027-06-07T09:00", 2027, chinese,
            u"还剩 2:30:00"_s, u"高考第 1 天"_s, false, u"今天还有 数学 15:00"_s);
        row("a second before the last 15 minutes", sh, exam, "common", true, "2027-06-07T11:14:59",
            2027, chinese, u"还剩 0:15:01"_s, u"高考第 1 天"_s, false, u"今天还有 数学 15:00"_s);
        row("the last 15 minutes", sh, exam, "common", true, "2027-06-07T11:15:00", 2027, chinese,
            u"还剩 0:15:00"_s, u"高考第 1 天"_s, true, u"今天还有 数学 15:00"_s);
        row("between subjects", sh, exam, "common", true, "2027-06-07T12:50", 2027,
            u"下一科 数学 15:00–17:00"_s, u"距开考 2:10:00"_s, u"高考第 1 天"_s, false,
            u"明天 物理/历史 9:00"_s);
        row("after the day's last subject", sh, exam, "common", true, "2027-06-07T17:00", 2027,
            u"今天的考试已结束"_s, u"高考第 1 天"_s, {}, false, u"明天 物理/历史 9:00"_s);
        row("the third morning", sh, exam, "common", true, "2027-06-09T08:00", 2027,
            u"下一科 化学 8:30–9:45"_s, u"距开考 0:30:00"_s, u"高考第 3 天"_s, false,
            u"今天还有 地理 11:00 · 思想政治 14:30 · 生物学 17:00"_s);
        row("the last subject's last second", sh, exam, "common", true, "2027-06-09T18:14:59", 2027,
            u"生物学 17:00–18:15"_s, u"还剩 0:00:01"_s, u"高考第 3 天"_s, true, {});
        // The title's year changes with the target, at midnight.
        row("after the last subject", sh, exam, "common", true, "2027-06-09T18:15", 2027, {},
            u"高考已结束"_s, {}, false, next28);
        row("the day after the exam", sh, exam, "common", true, "2027-06-10T00:00", 2028, h28,
            u"363 天"_s, {}, false, t28);
        // A subject from 23:00 to 1:00 shows past midnight.
        row("a subject across midnight", sh, exam, "midnight", true, "2027-06-08T00:30", 2027,
            u"加试 23:00–1:00"_s, u"还剩 0:30:00"_s, u"高考第 2 天"_s, false,
            u"今天还有 数学 9:00"_s);
        row("after a subject across midnight", sh, exam, "midnight", true, "2027-06-08T01:00", 2027,
            u"下一科 数学 9:00–11:00"_s, u"距开考 8:00:00"_s, u"高考第 2 天"_s, false, {});
        // A mock exam is no day of the gaokao.
        row("a mock exam", sh, exam, "mock", true, "2027-03-15T10:00", 2027, chinese,
            u"还剩 1:30:00"_s, {}, false, u"今天还有 数学 15:00"_s);
        row("after a mock exam", sh, exam, "mock", true, "2027-03-15T17:30", 2027, h27, u"84 天"_s,
            {}, false, t27);
        // 29 February on the 28th in the years without it, and back in 2032.
        row("29 February, the exam's last day", sh, "2028-02-29T09:00", "", true,
            "2028-03-03T23:59", 2028, {}, u"高考已结束"_s, {}, false,
            u"下次高考 2029年2月28日 星期三 9:00"_s);
        row("29 February rolled over", sh, "2028-02-29T09:00", "", true, "2028-03-04T00:00", 2029,
            u"距2029年高考 还 有"_s, u"361 天"_s, {}, false, u"高考 2029年2月28日 星期三 9:00"_s);
        row("29 February years on", sh, "2028-02-29T09:00", "", true, "2031-03-04T00:00", 2032,
            u"距2032年高考 还 有"_s, u"362 天"_s, {}, false, u"高考 2032年2月29日 星期日 9:00"_s);
        // Real hours to the moment: 8 on the clock across the spring change
        // are 7, 9 across the autumn one 10.
        const char* berlin = "Europe/Berlin";
        row("spring change", berlin, "2027-03-28T09:00", "", true, "2027-03-28T01:00", 2027,
            u"距2027年高考 还 有"_s, u"今天"_s, u"距开考 07:00:00"_s, false,
            u"高考 2027年3月28日 星期日 9:00"_s);
        row("autumn change", berlin, "2027-10-31T09:00", "", true, "2027-10-31T00:00", 2027,
            u"距2027年高考 还 有"_s, u"今天"_s, u"距开考 10:00:00"_s, false,
            u"高考 2027年10月31日 星期日 9:00"_s);
    }

    void throughTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, target);
        QFETCH(QString, schedule);
        QFETCH(bool, rollOver);
        QFETCH(QString, now);
        const LocalZone local(zone);
        if (!LocalZone::isSet()
            && (zone != "Asia/Shanghai" || QTimeZone::systemTimeZone().hasDaylightTime()))
            QSKIP("the local zone here is the system's, which TZ does not choose");
        const QDateTime targetMoment = QDateTime::fromString(target, Qt::ISODate);
        const BoardContent::Source source { u"某某中学 %1届"_s.arg(targetMoment.date().year()),
            u"距%1年高考 还 有 ："_s.arg(targetMoment.date().year()), targetMoment };
        const auto at = [](const char* time) {
            return QDateTime::fromString(QString::fromLatin1(time), Qt::ISODate);
        };
        std::vector<ExamSchedule::Subject> subjects;
        if (schedule == u"mock"_s)
            subjects = { { u"语文"_s, at("2027-03-15T09:00"), at("2027-03-15T11:30") },
                { u"数学"_s, at("2027-03-15T15:00"), at("2027-03-15T17:00") } };
        if (schedule == u"midnight"_s)
            subjects = { { u"语文"_s, at("2027-06-07T09:00"), at("2027-06-07T11:30") },
                { u"加试"_s, at("2027-06-07T23:00"), at("2027-06-08T01:00") },
                { u"数学"_s, at("2027-06-08T09:00"), at("2027-06-08T11:00") } };
        if (schedule == u"common"_s || schedule == u"mock"_s) {
            const auto common = ExamSchedule::common(2027);
            subjects.insert(subjects.end(), common.begin(), common.end());
        }
        BoardOptions options;
        options.rollOver = rollOver;
        const BoardContent content
            = BoardContent::at(source, subjects, options, QDateTime::fromString(now, Qt::ISODate));
        QTEST(content.title, "title");
        QTEST(content.heading, "heading");
        QTEST(content.bigText(), "big");
        QTEST(content.detail, "detail");
        QTEST(content.urgent, "urgent");
        QTEST(content.target, "shownTarget");
    }

    void headingAndNow()
    {
        const QDateTime now(QDate(2026, 12, 8), QTime(14, 3, 27));
        for (const QString& heading : { u"距高考还有：  "_s, u"距高考还有:"_s, u"距高考还有　"_s })
            QCOMPARE(BoardContent::at({ {}, heading, {} }, {}, {}, now).heading, u"距高考还有"_s);
        const BoardContent content = BoardContent::at({}, {}, {}, now);
        QCOMPARE(content.now, u"现在 2026年12月8日 星期二 14:03:27"_s);
        QCOMPARE(content.bigText(), QString());
    }

    // A Group Policy value stands over the file's, and is read as it is.
    void policiesStandOverTheBoardsFile()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, "[board]\ntheme=red\nmotto=自强不息\nrollOver=false\n");
        Policies policies;
        policies.add(
            { { u"Theme"_s, u"Dark"_s }, { u"Motto"_s, u" 厚德\t载物 "_s }, { u"RollOver"_s, 1 } },
            u"HKCU"_s);
        const BoardOptions options = BoardOptions::read(Preferences(path, {}, policies));
        QCOMPARE(options.theme, BoardOptions::Theme::Dark);
        QCOMPARE(options.motto, u"厚德 载物"_s);
        QVERIFY(options.rollOver);
    }
};

QTEST_GUILESS_MAIN(TestBoardContent)
#include "tst_boardcontent.moc"
