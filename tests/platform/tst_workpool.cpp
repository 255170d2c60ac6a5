// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Work run off the window's thread answers on the window's thread, and never
// to an object that has gone meanwhile (a dialog closed while it saves).
#include "workpool.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

class TestWorkPool : public QObject {
    Q_OBJECT
private slots:
    void answersOnTheContextsThread();
    void noAnswerOnceTheContextIsGone_data();
    void noAnswerOnceTheContextIsGone();
};

void TestWorkPool::answersOnTheContextsThread()
{
    QObject context;
    QThread* workedOn = nullptr;
    QThread* answeredOn = nullptr;
    int answer = 0;
    WorkPool::run(
        &context,
        [&] {
            workedOn = QThread::currentThread();
            return 42;
        },
        [&](int result) {
            answeredOn = QThread::currentThread();
            answer = result;
        });
    QTRY_COMPARE(answer, 42);
    QVERIFY(workedOn != QThread::currentThread());
    QCOMPARE(answeredOn, QThread::currentThread());
}

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
    WorkPool::run(
        context,
        [&go] {
            go.acquire();
            return true;
        },
        [&](bool) { answered = true; });
    if (workDone) {
        go.release();
        QVERIFY(WorkPool::instance()->waitForDone(10'000));
        delete context;
    } else {
        delete context;
        go.release();
        QVERIFY(WorkPool::instance()->waitForDone(10'000));
    }
    QCoreApplication::sendPostedEvents();
    QTest::qWait(20);
    QVERIFY(!answered);
}

QTEST_GUILESS_MAIN(TestWorkPool)
#include "tst_workpool.moc"
