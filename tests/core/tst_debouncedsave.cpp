// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "debouncedsave.h"

#include <QTest>
#include <memory>

class TestDebouncedSave : public QObject {
    Q_OBJECT
private slots:
    // As the program ends, the save for the end runs once, and the one that
    // waited does not follow it; a saver already gone is not called.
    void theEndSavesOnce_data()
    {
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<int>("atQuit");
        QTest::newRow("a save waits") << true << false << 1;
        QTest::newRow("nothing waits") << false << false << 1;
        QTest::newRow("gone before the end") << true << true << 0;
    }
    void theEndSavesOnce()
    {
        QFETCH(bool, waiting);
        QFETCH(bool, gone);
        int saves = 0;
        int atQuit = 0;
        // Long enough that a slow machine cannot let the wait run out
        // before the quit below is handled.
        auto saver = std::make_unique<DebouncedSave>(
            200, [&] { ++saves; }, [&] { ++atQuit; });
        if (waiting)
            saver->start();
        if (gone)
            saver.reset();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCOMPARE(QCoreApplication::exec(), 0);
        QTEST(atQuit, "atQuit");
        QTest::qWait(300);
        QCOMPARE(saves, 0);
    }
};

QTEST_GUILESS_MAIN(TestDebouncedSave)
#include "tst_debouncedsave.moc"
