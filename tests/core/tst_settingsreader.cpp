// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A settings read that hangs, as on a stalled network folder, must not stop
// the caller: it gets no answer quickly, and no pile of waiting reads builds
// up behind the hanging one.
#include "settingsreader.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

class TestSettingsReader : public QObject {
    Q_OBJECT
private slots:
    void hangingReadDoesNotStopTheCaller();
    void slowReadsStillArrive();
};

void TestSettingsReader::hangingReadDoesNotStopTheCaller()
{
    std::mutex mutex;
    std::condition_variable released;
    bool hang = true;
    std::atomic<int> reads = 0;
    SettingsReader reader(
        [&] {
            ++reads;
            std::unique_lock lock(mutex);
            released.wait(lock, [&] { return !hang; });
            LoadResult result;
            result.status = LoadStatus::Ok;
            return result;
        },
        50ms);

    QElapsedTimer timer;
    timer.start();
    for (int tick = 0; tick < 10; ++tick)
        QVERIFY(!reader.read());
    QVERIFY2(timer.elapsed() < 500, "only the first call may wait, and only briefly");
    QCOMPARE(reads.load(), 1);

    {
        const std::lock_guard lock(mutex);
        hang = false;
    }
    released.notify_all();
    // The file system answers again: the next calls read afresh.
    std::optional<LoadResult> load;
    QTRY_VERIFY((load = reader.read()).has_value());
    QVERIFY(load->ok());
    QVERIFY(reads.load() >= 2);
}

// A file system that answers every read, but only after several calls: the
// answers arrive, late, instead of being thrown away for ever fresh reads.
void TestSettingsReader::slowReadsStillArrive()
{
    std::atomic<int> reads = 0;
    SettingsReader reader(
        [&] {
            std::this_thread::sleep_for(150ms);
            LoadResult result;
            result.record.Target = ++reads;
            return result;
        },
        10ms);
    QList<double> answers; // which read each answer came from
    for (int tick = 0; tick < 20; ++tick) {
        if (const std::optional<LoadResult> load = reader.read())
            answers.append(load->record.Target);
        std::this_thread::sleep_for(50ms);
    }
    QVERIFY2(answers.size() >= 3, qPrintable(QString::number(answers.size())));
    QVERIFY(std::is_sorted(answers.cbegin(), answers.cend()));
}

QTEST_GUILESS_MAIN(TestSettingsReader)
#include "tst_settingsreader.moc"
