// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicesaver.h"
#include "messageboxanswer.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;
using Text = Preferences::Text;

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

    // What still waits as the program ends and cannot be written is named,
    // every choice of it in the menu's words, with the reason, to the log and
    // to whoever listens for the end.
    void theEndTellsWhatItCouldNotSave_data()
    {
        QTest::addColumn<QList<Choice>>("choices");
        QTest::addColumn<bool>("withScreen");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("one") << QList<Choice> { Choice::StayOnTop } << false
                             << QStringList { u"窗口置顶"_s };
        QTest::newRow("all, in the menu's order")
            << QList<Choice> { Choice::StartAtLogin, Choice::StayOnTop, Choice::ScaleTextWithWindow,
                   Choice::FullScreen }
            << false
            << QStringList { u"全屏显示"_s, u"文字随窗口缩放"_s, u"窗口置顶"_s, u"开机自动启动"_s };
        QTest::newRow("full screen and its screen")
            << QList<Choice> { Choice::FullScreen } << true
            << QStringList { u"全屏显示"_s, u"全屏显示的屏幕"_s };
    }

    void theEndTellsWhatItCouldNotSave()
    {
        QFETCH(QList<Choice>, choices);
        QFETCH(bool, withScreen);
        QFETCH(QStringList, names);
        const QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath(u"folder"_s)).open(QIODevice::WriteOnly));
        const QString path = dir.filePath(u"folder/gaokao-countdown.ini"_s);
        QWidget window;
        ChoiceSaver saver(Preferences(path), &window);
        QList<ChoiceSaver::Unsaved> told;
        ChoiceSaver::setEndListener(
            [&told](const ChoiceSaver::Unsaved& unsaved) { told.append(unsaved); });
        for (const Choice choice : choices)
            saver.remember(choice, true);
        if (withScreen)
            saver.remember(Text::FullScreenScreen, u"HDMI-1"_s);
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(u"程序结束时没能保存%1：.*%2"_s.arg(
                names.join(u"、"_s), QRegularExpression::escape(QDir::toNativeSeparators(path)))));
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
        ChoiceSaver::setEndListener({});
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0].choices, names);
        QCOMPARE(told[0].trouble.path(), path);
    }
};

QTEST_MAIN(TestChoiceSaver)
#include "tst_choicesaver.moc"
