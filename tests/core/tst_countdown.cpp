// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdown.h"
#include "datevalue.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
double at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return DateValue::valueOf({ y, mo, d, h, mi, s }).value();
}
}

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    void compute_data();
    void compute();
    void extremesStayWellFormed_data();
    void extremesStayWellFormed();
};

void TestCountdown::compute_data()
{
    QTest::addColumn<double>("now");
    QTest::addColumn<double>("target");
    QTest::addColumn<QStringList>("expected"); // now, total, months, days, hours, minutes, seconds

    const double target = DateValue::kDefaultTarget;
    const auto row = [&](const char* name, double now, QStringList texts,
                         std::optional<double> t = std::nullopt) {
        QTest::newRow(name) << now << t.value_or(target) << texts;
    };
    // The worked table for the target 2014-06-07 09:00:00.
    row("worked example", at(2014, 3, 1, 12, 34, 56),
        { u"2014-3-1 12:34:56"_s, u"97天"_s, u"3个月"_s, u"7天"_s, u"20小时"_s, u"25分钟"_s,
            u"4秒"_s });
    row("midnight", at(2014, 3, 2),
        { u"2014-3-2"_s, u"97天"_s, u"3个月"_s, u"7天"_s, u"9小时"_s, u"0分钟"_s, u"0秒"_s });
    row("32 days and a half", at(2014, 5, 5, 21, 30),
        { u"2014-5-5 21:30:00"_s, u"32天"_s, u"0个月"_s, u"32天"_s, u"11小时"_s, u"30分钟"_s,
            u"0秒"_s });
    row("one second short of 2 days", at(2014, 6, 5, 8, 59, 59),
        { u"2014-6-5 8:59:59"_s, u"2天"_s, u"0个月"_s, u"2天"_s, u"0小时"_s, u"0分钟"_s,
            u"1秒"_s });
    row("366 days", at(2013, 6, 6, 9),
        { u"2013-6-6 9:00:00"_s, u"366天"_s, u"11个月"_s, u"32天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("368 days", at(2013, 6, 4, 9),
        { u"2013-6-4 9:00:00"_s, u"368天"_s, u"12个月"_s, u"3天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("400 days", at(2013, 5, 3, 9),
        { u"2013-5-3 9:00:00"_s, u"400天"_s, u"12个月"_s, u"4天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("462 days", at(2013, 3, 1, 12, 34, 56),
        { u"2013-3-1 12:34:56"_s, u"462天"_s, u"12个月"_s, u"7天"_s, u"20小时"_s, u"25分钟"_s,
            u"4秒"_s });
    // Edge cases.
    row("exactly 97 days is never 96", at(2014, 3, 2, 9),
        { u"2014-3-2 9:00:00"_s, u"97天"_s, u"3个月"_s, u"7天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("32 days is not a month and a day", at(2014, 5, 6, 9),
        { u"2014-5-6 9:00:00"_s, u"32天"_s, u"0个月"_s, u"32天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("exactly 2 days", at(2014, 6, 5, 9),
        { u"2014-6-5 9:00:00"_s, u"2天"_s, u"0个月"_s, u"2天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    // Ranges the rules leave open, as this program decides them.
    row("one day and a bit", at(2014, 6, 6, 7, 30),
        { u"2014-6-6 7:30:00"_s, u"1天"_s, u"0个月"_s, u"1天"_s, u"1小时"_s, u"30分钟"_s,
            u"0秒"_s });
    row("last seconds", at(2014, 6, 7, 8, 59, 58),
        { u"2014-6-7 8:59:58"_s, u"0天"_s, u"0个月"_s, u"0天"_s, u"0小时"_s, u"0分钟"_s,
            u"2秒"_s });
    row("the target itself", target,
        { u"2014-6-7 9:00:00"_s, u"0天"_s, u"0个月"_s, u"0天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("367 days follows the year rule", at(2013, 6, 5, 9),
        { u"2013-6-5 9:00:00"_s, u"367天"_s, u"12个月"_s, u"2天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("an hour after is 0 days, never -0", at(2014, 6, 7, 10),
        { u"2014-6-7 10:00:00"_s, u"0天"_s, u"0个月"_s, u"0天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("a day and an hour after", at(2014, 6, 8, 10),
        { u"2014-6-8 10:00:00"_s, u"-1天"_s, u"0个月"_s, u"0天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s });
    row("target before year 100 stays exact", at(2014, 6, 8, 10),
        { u"2014-6-8 10:00:00"_s, u"-1000000天"_s, u"0个月"_s, u"0天"_s, u"0小时"_s, u"0分钟"_s,
            u"0秒"_s },
        at(2014, 6, 8, 10) - 1000000);
}

void TestCountdown::compute()
{
    QFETCH(double, now);
    QFETCH(double, target);
    QFETCH(QStringList, expected);
    CountdownTexts texts = ComputeCountdown(now, target);
    texts.NowText = DateValue::text(now);
    const QStringList actual { texts.NowText, texts.TotalDaysText, texts.MonthsText, texts.DaysText,
        texts.HoursText, texts.MinutesText, texts.SecondsText };
    QCOMPARE(actual, expected);
}

void TestCountdown::extremesStayWellFormed_data()
{
    QTest::addColumn<double>("now");
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("total");
    QTest::newRow("target in 9999") << at(2026, 12, 7) << at(9999, 12, 31) << u"2912102天"_s;
    QTest::newRow("target in year 100, now in 9999")
        << at(9999, 12, 31) << at(100, 1, 1) << u"-3615899天"_s;
    QTest::newRow("beyond any calendar") << 0.0 << 1e15 << u"1000000000000000天"_s;
    QTest::newRow("far before any calendar") << 1e15 << 0.0 << u"-1000000000000000天"_s;
    QTest::newRow("not a number") << 0.0 << qQNaN() << u"0天"_s;
    QTest::newRow("infinite") << -qInf() << qInf() << u"0天"_s;
}

void TestCountdown::extremesStayWellFormed()
{
    QFETCH(double, now);
    QFETCH(double, target);
    QFETCH(QString, total);
    const CountdownTexts texts = ComputeCountdown(now, target);
    QCOMPARE(texts.TotalDaysText, total);
    static const QRegularExpression number(u"^-?[0-9]+$"_s);
    const QList<std::pair<QString, QString>> parts { { texts.MonthsText, u"个月"_s },
        { texts.DaysText, u"天"_s }, { texts.HoursText, u"小时"_s },
        { texts.MinutesText, u"分钟"_s }, { texts.SecondsText, u"秒"_s } };
    for (const auto& [text, unit] : parts) {
        QVERIFY2(text.endsWith(unit), qPrintable(text));
        QVERIFY2(number.match(text.chopped(unit.size())).hasMatch(), qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
