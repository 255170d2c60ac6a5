// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

    // The file keeps the layout Qt's own INI format reads and writes; one
    // edited by hand in Notepad reads too.
    void theFileIsQtsIniLayout_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("as Qt writes it") << QByteArray("[display]\nstayOnTop=true\n");
        QTest::newRow("byte-order mark, CR LF")
            << QByteArray("\xEF\xBB\xBF[display]\r\nstayOnTop=true\r\n");
    }

    void theFileIsQtsIniLayout()
    {
        QFETCH(QByteArray, old);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, old);
        QVERIFY(Preferences(path).setValue(Choice::StartAtLogin, true));
        QCOMPARE(readFile(path), "[display]\nstayOnTop=true\n\n[startup]\nstartAtLogin=true\n");
    }

    // Nothing waits, and every choice keeps its default.
    void aFileThatCannotBeUsedIsReported_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("path");
        // A folder that cannot exist, since a file has its name: true even for root.
        QTest::newRow("a file where the folder belongs") << u"file"_s << u"file/prefs.ini"_s;
#ifdef Q_OS_UNIX
        QTest::newRow("a named pipe") << u"pipe"_s << u"pipe"_s;
#endif
        QTest::newRow("a folder") << u"folder"_s << u"folder"_s;
    }

    void aFileThatCannotBeUsedIsReported()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, path);
        const QTemporaryDir dir;
        const QString at = dir.filePath(blocker);
        if (blocker == u"file"_s)
            writeFile(at, "x");
        else if (blocker == u"folder"_s)
            QVERIFY(QDir().mkdir(at));
#ifdef Q_OS_UNIX
        else
            QCOMPARE(mkfifo(QFile::encodeName(at).constData(), 0600), 0);
#endif
        const Preferences preferences(dir.filePath(path));
        QVERIFY(!preferences.setValue(Choice::StayOnTop, true));
        QVERIFY(!preferences.value(Choice::StayOnTop));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
