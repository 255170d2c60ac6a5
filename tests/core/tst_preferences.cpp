// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"
#include "settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void eachChoiceStartsOffAndOutlivesARestart_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::newRow("full screen") << Choice::FullScreen;
        QTest::newRow("scale text") << Choice::ScaleTextWithWindow;
        QTest::newRow("on top") << Choice::StayOnTop;
        QTest::newRow("at login") << Choice::StartAtLogin;
    }

    void eachChoiceStartsOffAndOutlivesARestart()
    {
        QFETCH(Choice, choice);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"sub/prefs.ini"_s);
        QVERIFY(!Preferences(path).value(choice));

        QVERIFY(Preferences(path).setValue(choice, true));
        const Preferences restarted(path);
        QVERIFY(restarted.value(choice));
        // The others keep their defaults.
        for (const Choice other : { Choice::FullScreen, Choice::ScaleTextWithWindow,
                 Choice::StayOnTop, Choice::StartAtLogin })
            QCOMPARE(restarted.value(other), other == choice);

        QVERIFY(restarted.setValue(choice, false));
        QVERIFY(!Preferences(path).value(choice));
    }

    // The file keeps the layout Qt's own INI format reads and writes.
    void theFileIsQtsIniLayout()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, "[display]\nstayOnTop=true\n");
        QVERIFY(Preferences(path).setValue(Choice::StartAtLogin, true));
        QCOMPARE(readFile(path), "[display]\nstayOnTop=true\n\n[startup]\nstartAtLogin=true\n");
    }

    void aFileThatCannotBeWrittenIsReported()
    {
        const QTemporaryDir dir;
        // A folder that cannot exist, since a file has its name: true even for root.
        QFile blocker(dir.filePath(u"file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const Preferences preferences(dir.filePath(u"file/prefs.ini"_s));
        QVERIFY(!preferences.setValue(Choice::StayOnTop, true));
        QVERIFY(!preferences.value(Choice::StayOnTop));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
