// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datevalue.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDateValue : public QObject {
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void parseTargetLine_data();
    void parseTargetLine();
    void fieldsRoundToNearestSecond();
    void valuesBeforeTheEpochAreLinear();
    void outOfRangeValuesGiveNothing();
};

void TestDateValue::text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default target") << 41797.375 << u"2014-6-7 9:00:00"_s;
    QTest::newRow("afternoon") << 41699.0 + 45296.0 / 86400 << u"2014-3-1 12:34:56"_s;
    QTest::newRow("two-digit minutes and seconds")
        << 42004.0 + (23 * 3600 + 5 * 60 + 9) / 86400.0 << u"2014-12-31 23:05:09"_s;
    QTest::newRow("midnight writes the date alone") << 41700.0 << u"2014-3-2"_s;
    QTest::newRow("epoch day writes the time alone") << 0.375 << u"9:00:00"_s;
    QTest::newRow("epoch itself") << 0.0 << u"0:00:00"_s;
    QTest::newRow("day 1 is a full date") << 1.5 << u"1899-12-31 12:00:00"_s;
    QTest::newRow("rounds to the nearest second")
        << 41797.375 + 0.6 / 86400 << u"2014-6-7 9:00:01"_s;
    QTest::newRow("year 100 has four digits") << -657434.0 << u"0100-1-1"_s;
    QTest::newRow("last day of 9999") << 2958465.5 << u"9999-12-31 12:00:00"_s;
    QTest::newRow("beyond 9999 gives nothing") << 2958466.0 << QString();
    QTest::newRow("not a number gives nothing") << qQNaN() << QString();
}

void TestDateValue::text()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(DateValue::text(value), expected);
}

void TestDateValue::parseTargetLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expected"); // -1: not a date
    QTest::newRow("written by a new file") << u"2014-6-7 9:00:00"_s << 41797.375;
    QTest::newRow("written by a save") << u"2014-6-7 9:00:00 "_s << 41797.375;
    QTest::newRow("leading zeros") << u"2014-06-07 9:00:00 "_s << 41797.375;
    QTest::newRow("zero on the hour") << u"2014-06-07 09:00:00"_s << 41797.375;
    QTest::newRow("blanks around") << u"  2014-6-7   9:00:00  "_s << 41797.375;
    QTest::newRow("date alone") << u"2014-6-8"_s << 41798.0;
    QTest::newRow("one-digit minutes and seconds") << u"2016-6-7 9:0:0"_s << 42528.375;
    QTest::newRow("one-digit minutes, two-digit seconds")
        << u"2014-6-7 9:5:07"_s << 41797.375 + 307.0 / 86400;
    QTest::newRow("three-digit minutes") << u"2014-6-7 9:000:00"_s << -1.0;
    QTest::newRow("minute 60") << u"2014-6-7 9:60:00"_s << -1.0;
    QTest::newRow("leading zero on the year") << u" 02014-6-8 9:00:00 "_s << 41798.375;
    QTest::newRow("empty") << QString() << -1.0;
    QTest::newRow("blank") << u"   "_s << -1.0;
    QTest::newRow("garbage") << u"next june"_s << -1.0;
    QTest::newRow("month 13") << u"2014-13-7 9:00:00 "_s << -1.0;
    QTest::newRow("day 40") << u"2014-6-40 9:00:00 "_s << -1.0;
    QTest::newRow("february 30") << u"2014-2-30 9:00:00 "_s << -1.0;
    QTest::newRow("fraction") << u"2014-6.5-7 9:00:00 "_s << -1.0;
    QTest::newRow("negative") << u"2014--1-7 9:00:00 "_s << -1.0;
    QTest::newRow("year 99") << u"99-6-7 9:00:00 "_s << -1.0;
    QTest::newRow("year 10000") << u"10000-6-7 9:00:00 "_s << -1.0;
    QTest::newRow("blank inside the date") << u"2014- 6-7 9:00:00 "_s << -1.0;
    QTest::newRow("hour 24") << u"2014-6-7 24:00:00"_s << -1.0;
    QTest::newRow("missing seconds") << u"2014-6-7 9:00"_s << -1.0;
    QTest::newRow("full-width digits") << u"２０１４-6-7 9:00:00"_s << -1.0;
    QTest::newRow("huge number") << u"99999999999999-6-7"_s << -1.0;
    QTest::newRow("other separators") << u"2014/6/7 9:00:00"_s << -1.0;
}

void TestDateValue::parseTargetLine()
{
    QFETCH(QString, line);
    QFETCH(double, expected);
    const auto value = DateValue::parseTargetLine(line);
    if (expected < 0) {
        QVERIFY2(!value, qPrintable(u"read as %1"_s.arg(value.value_or(0))));
    } else {
        QVERIFY(value);
        QCOMPARE(*value, expected);
    }
}

void TestDateValue::fieldsRoundToNearestSecond()
{
    const auto f = DateValue::fieldsOf(41797.375 - 0.4 / 86400);
    QVERIFY(f);
    QCOMPARE(*f, (DateValue::CalendarFields { 2014, 6, 7, 9, 0, 0 }));
    const auto up = DateValue::fieldsOf(41797.0 - 0.5 / 86400);
    QVERIFY(up);
    QCOMPARE(*up, (DateValue::CalendarFields { 2014, 6, 7, 0, 0, 0 }));
}

void TestDateValue::valuesBeforeTheEpochAreLinear()
{
    const auto f = DateValue::fieldsOf(-1.25);
    QVERIFY(f);
    QCOMPARE(*f, (DateValue::CalendarFields { 1899, 12, 28, 18, 0, 0 }));
    QCOMPARE(DateValue::valueOf({ 1899, 12, 28, 18, 0, 0 }), -1.25);
}

void TestDateValue::outOfRangeValuesGiveNothing()
{
    QVERIFY(!DateValue::fieldsOf(qInf()));
    QVERIFY(!DateValue::fieldsOf(-1e300));
    QVERIFY(!DateValue::valueOf({ 2014, 2, 29, 0, 0, 0 }));
    QVERIFY(!DateValue::valueOf({ 2014, 6, 7, 9, 60, 0 }));
}

QTEST_GUILESS_MAIN(TestDateValue)
#include "tst_datevalue.moc"
