// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"
#include "preferencesformat.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include "forkedchild.h"

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

        QVERIFY(Preferences(path).setValue(choice, true).isNone());
        const Preferences restarted(path);
        QVERIFY(restarted.value(choice));
        // The others keep their defaults.
        for (const Choice other : { Choice::FullScreen, Choice::ScaleTextWithWindow,
                 Choice::StayOnTop, Choice::StartAtLogin })
            QCOMPARE(restarted.value(other), other == choice);

        QVERIFY(restarted.setValue(choice, false).isNone());
        QVERIFY(!Preferences(path).value(choice));
    }

    // The file keeps the layout Qt's own INI format reads and writes; one
    // edited by hand in Notepad reads too. A list keeps its section, its size
    // first, its entries by number and in each the names of setKeyOrder() first.
    void theFileIsQtsIniLayout_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("as Qt writes it")
            << QByteArray("[display]\nstayOnTop=true\n") << QByteArray();
        QTest::newRow("byte-order mark, CR LF")
            << QByteArray("\xEF\xBB\xBF[display]\r\nstayOnTop=true\r\n") << QByteArray();
        const QByteArray list = "[countdowns]\nsize=10\n1\\title=一模\n1\\target=2027-03-15\n"
                                "2\\title=二模\n10\\title=高考\n\n";
        QTest::newRow("a list") << list + "[display]\nstayOnTop=true\n" << list;
    }

    void theFileIsQtsIniLayout()
    {
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, before);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, old);
        PreferencesFormat::setKeyOrder({ u"title"_s, u"target"_s });
        QVERIFY(Preferences(path).setValue(Choice::StartAtLogin, true).isNone());
        QCOMPARE(
            readFile(path), before + "[display]\nstayOnTop=true\n\n[startup]\nstartAtLogin=true\n");
    }

    // What a hand-edited file may say; anything else is the default (off).
    void choicesReadTheUsualSpellings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("on");
        for (const char* on : { "true", "YES", "On", "1", "\"True\"", " \" yes \" " })
            QTest::newRow(on) << QByteArray(on) << true;
        for (const char* off : { "no", "off", "\"false\"", "0", "FALSE", "maybe", "2", "\"" })
            QTest::newRow(off) << QByteArray(off) << false;
    }

    void choicesReadTheUsualSpellings()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, on);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, "[display]\nfullScreen=" + text + "\n");
        QCOMPARE(Preferences(path).value(Choice::FullScreen), on);
    }

    // The system's file, in the first system configuration folder that has
    // one, beneath the user's; a folder or pipe in its place is passed over,
    // and a file far too large is read no further than the user's would be.
    void theSystemFileLiesBeneathTheUsers_data()
    {
        QTest::addColumn<QByteArray>("first"); // the system's files, or <folder>, <pipe>
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("settingsDir");
        QTest::addColumn<QString>("countdowns"); // the size of the list that counts
        const QByteArray school = "[school]\nsettingsDir=/srv/gaokao\n[display]\nfullScreen=true\n"
                                  "[countdowns]\nsize=2\n";
        const QByteArray locked = "[school]\nlocked=true\n[display]\nstayOnTop=true\n"
                                  "[countdowns]\nsize=3\n";
        const QByteArray user
            = "[display]\nfullScreen=false\nstayOnTop=off\n[countdowns]\nsize=1\n";
        const QByteArray none;
        const QString srv = u"/srv/gaokao"_s;
        QTest::newRow("none") << none << none << none << false << false << false << QString()
                              << QString();
        QTest::newRow("system only")
            << school << none << none << true << false << false << srv << u"2"_s;
        QTest::newRow("the user's overrides")
            << school << none << user << false << false << false << srv << u"1"_s;
        QTest::newRow("the user's, silent, leaves the system's")
            << school << none << QByteArray("[display]\nfullScreen=maybe\n") << true << false
            << false << srv << u"2"_s;
        QTest::newRow("locked: the system's hold")
            << locked << none << user << false << true << true << QString() << u"3"_s;
        QTest::newRow("locked in quotes, a relative folder")
            << QByteArray("[school]\nlocked=\" Yes \"\nsettingsDir=gaokao\n") << none << user
            << false << false << true << QString() << QString();
#ifndef Q_OS_WIN // one ProgramData folder
        QTest::newRow("the first folder's counts")
            << school << locked << none << true << false << false << srv << u"2"_s;
        QTest::newRow("a folder passed over") << QByteArray("<folder>") << locked << user << false
                                              << true << true << QString() << u"3"_s;
        QTest::newRow("a pipe passed over") << QByteArray("<pipe>") << locked << user << false
                                            << true << true << QString() << u"3"_s;
#endif
        QTest::newRow("huge") << QByteArray(
            "[display]\nfullScreen=true\n" + QByteArray(70000, '#') + "\nstayOnTop=true\n")
                              << none << none << true << false << false << QString() << QString();
    }

    void theSystemFileLiesBeneathTheUsers()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QByteArray, user);
        QFETCH(bool, locked);
        const QTemporaryDir dir;
        const QString relative = u"gaokao-countdown/gaokao-countdown.ini"_s;
        const QStringList folders { dir.filePath(u"first"_s), dir.filePath(u"second"_s) };
#ifdef Q_OS_WIN
        qputenv("ProgramData", QFile::encodeName(folders[0]));
#else
        // A relative folder counts for nothing, wherever the program is.
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folders.join(u":third:"_s)));
        const QString here = QDir::currentPath();
        const auto goBack = qScopeGuard([&here] { QDir::setCurrent(here); });
        QVERIFY(QDir().mkpath(dir.filePath(u"third/gaokao-countdown"_s)));
        QDir::setCurrent(dir.path());
        writeFile(u"third/"_s + relative, "[school]\nlocked=true\n");
#endif
        for (qsizetype i = 0; i < folders.size(); ++i) {
            const QByteArray& bytes = i == 0 ? first : second;
            const QString path = QDir(folders[i]).filePath(relative);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (bytes == "<folder>")
                QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_UNIX
            else if (bytes == "<pipe>")
                QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
            else if (!bytes.isEmpty())
                writeFile(path, bytes);
        }
        const QString userPath = dir.filePath(u"user.ini"_s);
        if (!user.isEmpty())
            writeFile(userPath, user);

        const Preferences preferences(userPath);
        QTEST(preferences.value(Choice::FullScreen), "fullScreen");
        QTEST(preferences.value(Choice::StayOnTop), "onTop");
        QCOMPARE(preferences.isLocked(), locked);
        QTEST(preferences.schoolSettingsFolder(), "settingsDir");
        QString countdowns;
        preferences.read(u"countdowns"_s,
            [&](QSettings& file) { countdowns = file.value(u"countdowns/size"_s).toString(); });
        QTEST(countdowns, "countdowns");
        // Locked, the user's file stays as it was, or absent.
        const QByteArray before = readFile(userPath);
        QCOMPARE(preferences.setValue(Choice::StayOnTop, true).isNone(), !locked);
        QCOMPARE(readFile(userPath) == before, locked);
    }

#ifdef Q_OS_UNIX
    // A save that cannot happen says why, soon (a child that waits is ended
    // after a few seconds, and fails), and every choice keeps its default; a
    // lock left by a copy that crashed is no obstacle.
    void aSaveThatCannotHappenSaysWhySoon_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<FileTrouble::Kind>("trouble");
        using K = FileTrouble::Kind;
        // A folder that cannot exist, since a file has its name: true even for root.
        QTest::newRow("a file where the folder belongs") << u"file"_s << K::NotAFolder;
        QTest::newRow("a named pipe") << u"pipe"_s << K::NotAFile;
        QTest::newRow("a folder") << u"folder"_s << K::NotAFile;
        QTest::newRow("a folder that is not ours to write") << u"read-only"_s << K::NoPermission;
        QTest::newRow("a folder in the lock's place") << u"lock folder"_s << K::Locked;
        QTest::newRow("a lock another copy holds") << u"lock held"_s << K::Locked;
        QTest::newRow("a lock left by a crashed copy") << u"lock left"_s << K::None;
    }

    void aSaveThatCannotHappenSaysWhySoon()
    {
        QFETCH(QString, obstacle);
        QFETCH(FileTrouble::Kind, trouble);
        QTemporaryDir dir;
        QString path = dir.filePath(u"prefs.ini"_s);
        const QString lock = path + u".lock"_s;
        QLockFile held(lock);
        if (obstacle == u"file"_s) {
            writeFile(dir.filePath(obstacle), "x");
            path = dir.filePath(u"file/prefs.ini"_s);
        } else if (obstacle == u"pipe"_s) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (obstacle == u"folder"_s) {
            QVERIFY(QDir().mkdir(path));
        } else if (obstacle == u"read-only"_s) {
            QVERIFY(QFile::setPermissions(dir.path(),
                QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        } else if (obstacle == u"lock folder"_s) {
            QVERIFY(QDir().mkdir(lock));
        } else if (obstacle == u"lock held"_s) {
            QVERIFY(held.tryLock());
        } else {
            // A process number no running program can have.
            writeFile(lock,
                "2147483600\ngaokao-countdown\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        }
        const Preferences preferences(path);
        const bool toldInTime = runInChild(
            [&] {
                alarm(5);
                if (obstacle == u"read-only"_s)
                    dropRootInChild();
            },
            [&] { return preferences.setValue(Choice::StayOnTop, true).kind() == trouble; });
        QVERIFY(toldInTime);
        QCOMPARE(preferences.value(Choice::StayOnTop), trouble == FileTrouble::Kind::None);
    }
#endif
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
