// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "localzone.h"

#include "timeleft.h"
#include <QTimeZone>

#include <QTest>

using namespace Qt::StringLiterals;

class TestTimeLeft : public QObject {
    Q_OBJECT
private slots:
    // Each moment as the local clock shows it in `zone`; the texts of both
    // forms, and when each changes next.
    void textsAndTheirNextChange_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("nextDays");
        QTest::addColumn<QString>("nextFull");
        const auto row = [](const char* name, const char* zone, const char* target, bool repeat,
                             const char* now, const QString& days, const QString& full,
                             const char* nextDays, const char* nextFull) {
            QTest::newRow(name) << QByteArray(zone) << QString::fromLatin1(target) << repeat
                                << QString::fromLatin1(now) << days << full
                                << QString::fromLatin1(nextDays) << QString::fromLatin1(nextFull);
        };
        const char* sh = "Asia/Shanghai";
        const char* exam = "2027-03-15T08:00";
        row("a second before midnight", sh, exam, false, "2027-03-13T23:59:59", u"还有 2 天"_s,
            u"1 天 08:00:01"_s, "2027-03-14T00:00", "2027-03-14T00:00");
        row("midnight", sh, exam, false, "2027-03-14T00:00", u"还有 1 天"_s, u"1 天 08:00:00"_s,
            "2027-03-15T00:00", "2027-03-14T00:00:01");
        row("a second after midnight", sh, exam, false, "2027-03-14T00:00:01.250", u"还有 1 天"_s,
            u"1 天 07:59:58"_s, "2027-03-15T00:00", "2027-03-14T00:00:02");
        row("the second before the moment", sh, exam, false, "2027-03-15T07:59:59", u"今天"_s,
            u"0 天 00:00:01"_s, "2027-03-16T00:00", "2027-03-15T08:00");
        row("the moment", sh, exam, false, "2027-03-15T08:00", u"今天"_s, u"今天"_s,
            "2027-03-16T00:00", "2027-03-16T00:00");
        row("the day's last second", sh, exam, true, "2027-03-15T23:59:59", u"今天"_s, u"今天"_s,
            "2027-03-16T00:00", "2027-03-16T00:00");
        row("the day after", sh, exam, false, "2027-03-16T00:00", u"已过 1 天"_s, u"已过 1 天"_s,
            "2027-03-17T00:00", "2027-03-17T00:00");
        row("the day after, repeating", sh, exam, true, "2027-03-16T00:00", u"还有 365 天"_s,
            u"365 天 08:00:00"_s, "2027-03-17T00:00", "2027-03-16T00:00:01");
        row("29 February on the 28th", sh, "2024-02-29T09:00", true, "2025-02-28T12:00", u"今天"_s,
            u"今天"_s, "2025-03-01T00:00", "2025-03-01T00:00");
        row("29 February a year without it", sh, "2024-02-29T09:00", true, "2025-03-01T00:00",
            u"还有 364 天"_s, u"364 天 09:00:00"_s, "2025-03-02T00:00", "2025-03-01T00:00:01");
        row("29 February back in a leap year", sh, "2024-02-29T09:00", true, "2028-02-28T09:00",
            u"还有 1 天"_s, u"1 天 00:00:00"_s, "2028-02-29T00:00", "2028-02-28T09:00:01");
        row("29 February passed", sh, "2028-02-29T09:00", false, "2028-03-01T00:00", u"已过 1 天"_s,
            u"已过 1 天"_s, "2028-03-02T00:00", "2028-03-02T00:00");
        row("repeating, years ago", sh, "2020-06-07T09:00", true, "2027-06-08T00:00",
            u"还有 365 天"_s, u"365 天 09:00:00"_s, "2027-06-09T00:00", "2027-06-08T00:00:01");
        row("repeating, years ago, the evening before", sh, "2020-06-07T09:00", true,
            "2027-06-06T21:00", u"还有 1 天"_s, u"0 天 12:00:00"_s, "2027-06-07T00:00",
            "2027-06-06T21:00:01");
        // A day of 23 hours, then one of 25.
        const char* berlin = "Europe/Berlin";
        row("spring change", berlin, "2027-03-29T00:00", false, "2027-03-28T00:00", u"还有 1 天"_s,
            u"0 天 23:00:00"_s, "2027-03-29T00:00", "2027-03-28T00:00:01");
        row("across the spring change", berlin, "2027-03-29T12:00", false, "2027-03-27T12:00",
            u"还有 2 天"_s, u"1 天 23:00:00"_s, "2027-03-28T00:00", "2027-03-27T12:00:01");
        row("autumn change", berlin, "2027-11-01T00:00", false, "2027-10-31T00:00", u"还有 1 天"_s,
            u"1 天 01:00:00"_s, "2027-11-01T00:00", "2027-10-31T00:00:01");
        row("repeating to a time the spring change skips", berlin, "2016-03-28T02:30", true,
            "2027-03-27T12:00", u"还有 1 天"_s, u"0 天 14:30:00"_s, "2027-03-28T00:00",
            "2027-03-27T12:00:01");
        row("a target the spring change skips, as the hour after", berlin, "2027-03-28T02:30",
            false, "2027-03-28T01:00", u"今天"_s, u"0 天 01:30:00"_s, "2027-03-29T00:00",
            "2027-03-28T01:00:01");
        // Beirut's clocks go from 23:59:59 to 01:00 on 28 March 2027.
        row("a day without midnight", "Asia/Beirut", "2027-03-30T00:00", false, "2027-03-27T12:00",
            u"还有 3 天"_s, u"2 天 11:00:00"_s, "2027-03-28T01:00", "2027-03-27T12:00:01");
    }

    void textsAndTheirNextChange()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, target);
        QFETCH(bool, repeat);
        QFETCH(QString, now);
        const LocalZone local(zone);
        // Where the zone cannot be chosen (Windows), the rows with no change
        // of the clock run in a system zone without one.
        if (!LocalZone::isSet()
            && (zone != "Asia/Shanghai" || QTimeZone::systemTimeZone().hasDaylightTime()))
            QSKIP("the local zone here is the system's, which TZ does not choose");
        CountdownEntry entry;
        entry.title = u"一模"_s;
        entry.date = QDate::fromString(target.left(10), Qt::ISODate);
        entry.time = QTime::fromString(target.mid(11), Qt::ISODate);
        entry.repeat = repeat;
        const QDateTime at = QDateTime::fromString(now, Qt::ISODateWithMs);
        QVERIFY(entry.date.isValid() && entry.time.isValid() && at.isValid());

        const TimeLeft left = TimeLeft::at(entry, at);
        QTEST(left.text(CountdownEntry::Format::Days), "days");
        QTEST(left.text(CountdownEntry::Format::Full), "full");
        QCOMPARE(TimeLeft::caption(entry), u"距一模"_s);
        QFETCH(QString, nextDays);
        QFETCH(QString, nextFull);
        entry.format = CountdownEntry::Format::Days;
        QCOMPARE(TimeLeft::nextChange(entry, at), QDateTime::fromString(nextDays, Qt::ISODate));
        entry.format = CountdownEntry::Format::Full;
        QCOMPARE(TimeLeft::nextChange(entry, at), QDateTime::fromString(nextFull, Qt::ISODate));
    }

    // A date value (the settings file's target, the clock) as the local
    // clock shows it, to the nearest second; none beyond the years it may have.
    void dateValuesAsLocalMoments_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("moment");
        QTest::newRow("the default target")
            << QByteArray("Asia/Shanghai") << 41797.375 << u"2014-06-07T09:00:00"_s;
        QTest::newRow("0.4 s before, to the nearest second")
            << QByteArray("Asia/Shanghai") << 41797.375 - 0.4 / 86400 << u"2014-06-07T09:00:00"_s;
        QTest::newRow("in the hour a spring change skips")
            << QByteArray("Europe/Berlin") << 46474.0 + 2.5 / 24 << u"2027-03-28T03:30:00"_s;
        QTest::newRow("beyond the year 9999") << QByteArray("Asia/Shanghai") << 3e6 << QString();
    }
    void dateValuesAsLocalMoments()
    {
        QFETCH(QByteArray, zone);
        QFETCH(double, value);
        QFETCH(QString, moment);
        const LocalZone local(zone);
        if (!LocalZone::isSet() && zone != "Asia/Shanghai")
            QSKIP("the local zone here is the system's, which TZ does not choose");
        QCOMPARE(TimeLeft::localMoment(value).toString(Qt::ISODate), moment);
    }
};

QTEST_GUILESS_MAIN(TestTimeLeft)
#include "tst_timeleft.moc"
