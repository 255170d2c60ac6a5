// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateentry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDateEntry : public QObject {
    Q_OBJECT
private slots:
    void isNumericText_data();
    void isNumericText();
    void accepts_data();
    void accepts();
};

void TestDateEntry::isNumericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("leading zero") << u"06"_s << true;
    QTest::newRow("blanks around") << u" \t7 "_s << true;
    QTest::newRow("signed fraction") << u"-6.5"_s << true;
    QTest::newRow("point first") << u".5"_s << true;
    QTest::newRow("point last") << u"+6."_s << true;
    QTest::newRow("exponent") << u"1.5E+3"_s << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blank") << u"   "_s << false;
    QTest::newRow("digits then letters") << u"7th"_s << false;
    QTest::newRow("full-width digits") << u"２０１４"_s << false;
    QTest::newRow("point alone") << u"."_s << false;
    QTest::newRow("sign alone") << u"-"_s << false;
    QTest::newRow("blank inside") << u"20 14"_s << false;
    QTest::newRow("two points") << u"1.2.3"_s << false;
    QTest::newRow("exponent without digits") << u"1e"_s << false;
    QTest::newRow("exponent without mantissa") << u"e5"_s << false;
}

void TestDateEntry::isNumericText()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(DateEntry::isNumericText(text), numeric);
}

// The common refusals are tried through the dialog; these are the edges of
// what the settings file can read back.
void TestDateEntry::accepts_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("29 February of a leap year") << u"2016"_s << u"2"_s << u"29"_s << true;
    QTest::newRow("29 February of a common year") << u"2014"_s << u"2"_s << u"29"_s << false;
    QTest::newRow("year 100") << u"100"_s << u"1"_s << u"1"_s << true;
    QTest::newRow("year 99") << u"99"_s << u"12"_s << u"31"_s << false;
    QTest::newRow("year 9999") << u"9999"_s << u"12"_s << u"31"_s << true;
    QTest::newRow("year 10000") << u"10000"_s << u"1"_s << u"1"_s << false;
    QTest::newRow("blank after the day") << u"2014"_s << u"6"_s << u"7 "_s << true;
    QTest::newRow("blank after the month") << u"2014"_s << u"6 "_s << u"7"_s << false;
    QTest::newRow("exponent") << u"2.014e3"_s << u"6"_s << u"7"_s << false;
}

void TestDateEntry::accepts()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(bool, accepted);
    QCOMPARE(DateEntry::accepts(year, month, day), accepted);
}

QTEST_APPLESS_MAIN(TestDateEntry)
#include "tst_dateentry.moc"
