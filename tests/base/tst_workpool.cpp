// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Work run off the window's thread answers on the window's thread, and never
// to an object that has gone meanwhile (a dialog closed while it saves).
#include "workpool.h"

#include <QSemaphore>
#include <QTest>

class TestWorkPool : public QObject {
    Q_OBJECT
private slots:
    void noAnswerOnceTheContextIsGone_data();
    void noAnswerOnceTheContextIsGone();
};

void TestWorkPool::noAnswerOnceTheContextIsGone_data()
{
    QTest::addColumn<bool>("workDone");
    QTest::newRow("gone while the work runs") << false;
    QTest::newRow("gone before the answer is delivered") << true;
}

void TestWorkPool::noAnswerOnceTheContextIsGone()
{
    QFETCH(bool, workDone);
    auto* context = new QObject;
    QSemaphore go;
    bool answered = false;
    const auto work = [&go] {
        go.acquire();
        return true;
    };
    WorkPool::run(context, work, [&](bool) { answered = true; });
    // Either the work ends first, or the context goes first.
    if (!workDone)
        delete context;
    go.release();
    QVERIFY(WorkPool::instance()->waitForDone(10'000));
    if (workDone)
        delete context;
    QCoreApplication::sendPostedEvents();
    QVERIFY(!answered);
}

QTEST_GUILESS_MAIN(TestWorkPool)
#include "tst_workpool.moc"
