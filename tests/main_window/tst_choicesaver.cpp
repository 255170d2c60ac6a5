// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicesaver.h"
#include "messageboxanswer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;

class TestChoiceSaver : public QObject {
    Q_OBJECT
private slots:
    // As the program ends (the window goes), a choice made a moment before
    // is written, not dropped with the waiting save.
    void aChoiceMadeJustBeforeTheEndIsSaved()
    {
        const QTemporaryDir dir;
        const Preferences preferences(dir.filePath(u"prefs/gaokao-countdown.ini"_s));
        {
            QWidget window;
            ChoiceSaver saver(preferences, &window);
            saver.remember(Choice::StayOnTop, true);
            QVERIFY(!preferences.value(Choice::StayOnTop));
        }
        QVERIFY(preferences.value(Choice::StayOnTop));
    }

    // A save that fails says why, in plain text, once; the choice is written
    // once the trouble has gone.
    void aFailedSaveSaysWhyOnce()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"gaokao-countdown.ini"_s);
        QVERIFY(QDir().mkdir(path + u".lock"_s));
        const Preferences preferences(path);
        QWidget window;
        auto saver = std::make_unique<ChoiceSaver>(preferences, &window);
        {
            const MessageBoxAnswer ok;
            saver->remember(Choice::FullScreen, true);
            QTRY_VERIFY(!ok.text.isEmpty());
            QCOMPARE(ok.text,
                u"无法保存显示选项：%1\n%2。\n这些选项在本次运行中仍然有效。"_s.arg(
                    QDir::toNativeSeparators(path), FileTrouble(FileTrouble::Kind::Locked).text()));
            QCOMPARE(ok.textFormat, Qt::PlainText);
        }
        const MessageBoxAnswer none;
        saver->remember(Choice::StayOnTop, true);
        QTest::qWait(ChoiceSaver::kSaveDelayMs * 2);
        QVERIFY(none.text.isEmpty());

        QVERIFY(QDir(path + u".lock"_s).removeRecursively());
        saver.reset();
        QVERIFY(preferences.value(Choice::FullScreen));
        QVERIFY(preferences.value(Choice::StayOnTop));
    }
};

QTEST_MAIN(TestChoiceSaver)
#include "tst_choicesaver.moc"
