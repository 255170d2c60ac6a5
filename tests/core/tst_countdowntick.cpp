// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdowntick.h"
#include "settingsstorefixture.h"
#ifdef Q_OS_UNIX
#include "forkedchild.h"
#endif

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCountdownTick : public QObject {
    Q_OBJECT
private slots:
    void tickReadsTheFileAndCounts();
    void tickReadsTheClockAgainAfterTheFile();
    void unreadableFileKeepsCountingTowardTheLastTarget();
    void noTargetYetGivesNoCountdown();
    void troubleNamesTheFileUntilItReadsAgain();
    void folderThatCannotBeCreatedIsNamed_data();
    void folderThatCannotBeCreatedIsNamed();
};

void TestCountdownTick::tickReadsTheFileAndCounts()
{
    const SettingsStoreFixture f(u"VEKTemp"_s);
    f.store.EnsureSettingsFile();
    CountdownTick tick(f.store);
    const CountdownTick::Result result = tick.run();
    QVERIFY(result.load.ok());
    QCOMPARE(result.nowText, u"2014-3-1 12:34:56"_s);
    QVERIFY(result.countdown);
    QCOMPARE(result.countdown->TotalDaysText, u"97天"_s);
    QCOMPARE(result.countdown->SecondsText, u"4秒"_s);
    QCOMPARE(tick.lastLoadedTarget(), 41797.375);

    // A change to the file shows at the next tick: nothing is cached.
    QVERIFY(f.store.SaveSettings(u"2014"_s, u"6"_s, u"8"_s, u"新标题"_s, u"h"_s).isNone());
    const CountdownTick::Result next = tick.run();
    QVERIFY(next.countdown);
    QCOMPARE(next.countdown->TotalDaysText, u"98天"_s);
    QCOMPARE(next.load.record.Title, u"新标题"_s);
}

void TestCountdownTick::tickReadsTheClockAgainAfterTheFile()
{
    QTemporaryDir root;
    FakeClock time;
    const SettingsStore store(root.filePath(u"VEKTemp"_s), [&] {
        const double t = time.now;
        time.advance(1); // every reading is one second later
        return t;
    });
    store.EnsureSettingsFile();
    CountdownTick tick(store);
    const CountdownTick::Result result = tick.run();
    // The file's write stamp took 12:34:56, the shown time 12:34:57, and the
    // countdown counts from 12:34:58.
    QCOMPARE(result.nowText, u"2014-3-1 12:34:57"_s);
    QVERIFY(result.countdown);
    QCOMPARE(result.countdown->SecondsText, u"2秒"_s);
}

void TestCountdownTick::unreadableFileKeepsCountingTowardTheLastTarget()
{
    SettingsStoreFixture f(u"VEKTemp"_s);
    f.store.EnsureSettingsFile();
    CountdownTick tick(f.store);
    (void)tick.run();

    f.writeSettings(u"stamp"_s, u"2014-13-40 9:00:00 "_s, u"坏日期"_s, u"仍可读"_s);
    f.time.advance(1);
    CountdownTick::Result result = tick.run();
    QCOMPARE(result.load.status, LoadStatus::BadTarget);
    QCOMPARE(result.load.texts, TextsStatus::Read);
    QCOMPARE(result.load.record.Title, u"坏日期"_s);
    QVERIFY(result.countdown);
    QCOMPARE(result.countdown->SecondsText, u"3秒"_s);
    QCOMPARE(tick.lastLoadedTarget(), 41797.375);

    QFile::remove(f.store.filePath());
    f.time.advance(1);
    result = tick.run();
    QCOMPARE(result.load.status, LoadStatus::Missing);
    QVERIFY(!result.load.hasTexts());
    QCOMPARE(result.nowText, u"2014-3-1 12:34:58"_s);
    QCOMPARE(result.countdown->SecondsText, u"2秒"_s);
}

void TestCountdownTick::noTargetYetGivesNoCountdown()
{
    SettingsStoreFixture f;
    f.time.now = 41700.0;
    CountdownTick tick(f.store);
    const CountdownTick::Result result = tick.run();
    QCOMPARE(result.nowText, u"2014-3-2"_s);
    QVERIFY(!result.countdown);
    QVERIFY(!tick.lastLoadedTarget());
}

void TestCountdownTick::troubleNamesTheFileUntilItReadsAgain()
{
    const SettingsStoreFixture f;
    const SettingsStore& store = f.store;
    CountdownTick tick(store);
    const QString named = u"“%1”"_s.arg(QDir::toNativeSeparators(store.filePath()));
    const auto troubleAfter = [&](const std::function<void()>& change) {
        change();
        return tick.run().trouble;
    };
    QString trouble = troubleAfter([] {});
    QVERIFY2(trouble.contains(named) && trouble.contains(u"文件不存在"_s), qPrintable(trouble));
    trouble = troubleAfter([&] { f.writeSettings(u"a"_s, u"2016-6-7 9:0:0"_s, u"t"_s, u"h"_s); });
    QCOMPARE(trouble, QString());
    trouble = troubleAfter([&] { f.writeSettings(u"a"_s, u"next june"_s, u"t"_s, u"h"_s); });
    QVERIFY2(trouble.contains(named) && trouble.contains(u"第 2 行"_s)
            && trouble.contains(u"按上次读到的日期继续"_s),
        qPrintable(trouble));
    trouble = troubleAfter([&] { writeFile(store.filePath(), "a\r\n2016-6-7\r\nt\xff\r\nh\r\n"); });
    QVERIFY2(trouble.contains(named) && trouble.contains(u"无法识别的字符"_s), qPrintable(trouble));
    trouble = troubleAfter([&] { writeFile(store.filePath(), "a\r\nb\r\n"); });
    QVERIFY2(trouble.contains(u"不足四行"_s), qPrintable(trouble));
    trouble = troubleAfter([&] { f.writeSettings(u"a"_s, u"2016-6-7"_s, u"t"_s, u"h"_s); });
    QCOMPARE(trouble, QString());
}

// A home folder the program cannot write: the trouble is the folder, not a
// missing file.
void TestCountdownTick::folderThatCannotBeCreatedIsNamed_data()
{
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<QString>("why");
    QTest::newRow("under a plain file") << false << u"路径中有一项是文件而不是文件夹"_s;
#ifdef Q_OS_UNIX // root gives up its rights in a forked child; Windows has neither
    QTest::newRow("no right to write") << true << u"没有访问权限"_s;
#endif
}

void TestCountdownTick::folderThatCannotBeCreatedIsNamed()
{
    QFETCH(bool, asNobody);
    QFETCH(QString, why);
    const SettingsStoreFixture f(asNobody ? u"VEKTemp"_s : u"config/VEKTemp"_s);
    writeFile(f.root.filePath(u"config"_s), "a plain file");
    const QString expected
        = u"无法创建设置文件夹“%1”：%2。"_s.arg(QDir::toNativeSeparators(f.store.folder()), why);
    const auto isNamed = [&] {
        CountdownTick tick(f.store);
        return tick.run().trouble.startsWith(expected) && tick.run().trouble.startsWith(expected);
    };
#ifdef Q_OS_UNIX
    const bool named = runInChild(
        asNobody ? dropRootInChild : [] {}, isNamed);
#else
    const bool named = isNamed();
#endif
    QVERIFY2(named, qPrintable(expected));
}

QTEST_GUILESS_MAIN(TestCountdownTick)
#include "tst_countdowntick.moc"
