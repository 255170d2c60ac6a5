// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickschedule.h"

#include <QTest>

class TestTickSchedule : public QObject {
    Q_OBJECT
private slots:
    void delay_data();
    void delay();
    void ticksNeverSkipOrRepeatASecond();
};

void TestTickSchedule::delay_data()
{
    QTest::addColumn<qint64>("wallMs");
    QTest::addColumn<int>("delay");
    const int m = TickSchedule::kMarginMs;
    QTest::newRow("on the second") << qint64(1'700'000'000'000) << 1000 + m;
    QTest::newRow("on time, just after") << qint64(1'700'000'000'000 + m) << 1000;
    QTest::newRow("late by 300 ms") << qint64(1'700'000'000'300) << 700 + m;
    QTest::newRow("early, just before") << qint64(1'700'000'000'995) << 5 + m;
    QTest::newRow("before 1970") << qint64(-250) << 250 + m;
}

void TestTickSchedule::delay()
{
    QFETCH(qint64, wallMs);
    QFETCH(int, delay);
    QCOMPARE(TickSchedule::delayToNextTick(wallMs), delay);
}

// A timer that fires anywhere from 5 ms early to 400 ms late still shows every
// second exactly once.
void TestTickSchedule::ticksNeverSkipOrRepeatASecond()
{
    qint64 wall = 1'700'000'000'123;
    qint64 shown = wall / 1000;
    for (int i = 0; i < 2000; ++i) {
        const int jitter = (i * 37) % 405 - 5;
        wall += TickSchedule::delayToNextTick(wall) + jitter;
        QCOMPARE(wall / 1000, shown + 1);
        shown = wall / 1000;
    }
}

QTEST_GUILESS_MAIN(TestTickSchedule)
#include "tst_tickschedule.moc"
