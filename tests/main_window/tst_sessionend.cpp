// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicesaver.h"
#include "countdownmodel.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <windows.h>

using namespace Qt::StringLiterals;

// Windows ends a session (log-off, shutdown) by asking each program's
// windows whether it may (WM_QUERYENDSESSION), then telling them it does
// (WM_ENDSESSION), and ends the program as soon as that is answered: what
// waited to be saved is in the file by then.
class TestSessionEnd : public QObject {
    Q_OBJECT
private slots:
    void whatWaitsIsSavedAsTheSessionEnds()
    {
        const QTemporaryDir dir;
        const Preferences preferences(dir.filePath(u"gaokao-countdown.ini"_s));
        QWidget window;
        const auto hwnd = reinterpret_cast<HWND>(window.winId());
        ChoiceSaver saver(preferences, &window);
        CountdownModel model(preferences);
        model.load();
        QVERIFY(model.add({ .title = u"一模"_s, .date = QDate(2027, 3, 20) }).isEmpty());
        const CountdownModel::Id id = model.ids().constFirst();
        QVERIFY(model.move(id, QPoint(321, 123)).isEmpty());
        saver.remember(Preferences::Choice::FullScreen, true);

        SendMessageW(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        SendMessageW(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);

        // Read as the next start reads it, with no event handled in between.
        QVERIFY(preferences.value(Preferences::Choice::FullScreen));
        CountdownModel next(preferences);
        next.load();
        QCOMPARE(next.count(), 1);
        QCOMPARE(next.entry(next.ids().constFirst())->position, QPoint(321, 123));
    }
};

QTEST_MAIN(TestSessionEnd)
#include "tst_sessionend.moc"
