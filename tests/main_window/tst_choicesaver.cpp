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
    // A save that fails says why, in plain text; the choices are written as
    // the saver goes with its window, the trouble gone.
    void aFailedSaveSaysWhy()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"gaokao-countdown.ini"_s);
        QVERIFY(QDir().mkdir(path + u".edit.lock"_s));
        const Preferences preferences(path);
        QWidget window;
        auto saver = std::make_unique<ChoiceSaver>(preferences, &window);
        const MessageBoxAnswer ok;
        saver->remember(Choice::FullScreen, true);
        QTRY_VERIFY(!ok.text.isEmpty());
        QCOMPARE(ok.text,
            u"无法保存显示选项：%1\n%2。\n这些选项在本次运行中仍然有效。"_s.arg(
                QDir::toNativeSeparators(path), FileTrouble(FileTrouble::Kind::Locked).text()));
        QCOMPARE(ok.textFormat, Qt::PlainText);
        saver->remember(Choice::StayOnTop, true);
        QVERIFY(QDir(path + u".edit.lock"_s).removeRecursively());
        saver.reset();
        QVERIFY(preferences.value(Choice::FullScreen));
        QVERIFY(preferences.value(Choice::StayOnTop));
    }
};

QTEST_MAIN(TestChoiceSaver)
#include "tst_choicesaver.moc"
