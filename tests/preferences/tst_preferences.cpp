// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include "forkedchild.h"

#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;

namespace {
// A list as the desktop countdowns keep one.
const PreferenceGroup kList { u"countdowns"_s,
    { { u"title"_s, {}, false }, { u"target"_s, {}, false } }, PreferenceGroup::Kind::Array };
}

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
    // edited by hand in Notepad reads too. A save changes the lines it
    // changes and no other: the rest keep their bytes, case and line ends.
    void aSaveChangesOnlyItsOwnLines_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("as Qt writes it") << QByteArray("[display]\nstayOnTop=true\n")
                                         << QByteArray("[display]\nstayOnTop=true\n\n[startup]\n"
                                                       "startAtLogin=true\n");
        QTest::newRow("byte-order mark, CR LF, another case")
            << QByteArray("\xEF\xBB\xBF[DISPLAY]\r\nStayOnTop=true\r\n[Startup]\r\n"
                          "; by hand\r\nStartAtLogin = no\r\n")
            << QByteArray("\xEF\xBB\xBF[DISPLAY]\r\nStayOnTop=true\r\n[Startup]\r\n"
                          "; by hand\r\nstartAtLogin=true\r\n");
        const QByteArray list = "[countdowns]\nsize=10\n1\\title=一模\n1\\target=2027-03-15\n"
                                "2\\title=二模\n10\\title=高考\n\n";
        QTest::newRow("a list, the key given twice")
            << list + "[startup]\nstartAtLogin=false\nstartAtLogin=true\n[display]\n"
            << list + "[startup]\nstartAtLogin=true\nstartAtLogin=true\n[display]\n";
        QTest::newRow("no line end at the end") << QByteArray("[startup]\nstartAtLogin=false")
                                                << QByteArray("[startup]\nstartAtLogin=true\n");
    }

    void aSaveChangesOnlyItsOwnLines()
    {
        QFETCH(QByteArray, old);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, old);
        QVERIFY(Preferences(path).setValue(Choice::StartAtLogin, true).isNone());
        QTEST(readFile(path), "saved");
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
            "[display]\nfullScreen=true\n" + QByteArray(1100000, '#') + "\nstayOnTop=true\n")
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

        const Preferences preferences(
            userPath, Preferences::defaultSystemFilePaths(), Preferences::Rights::User);
        QTEST(preferences.value(Choice::FullScreen), "fullScreen");
        QTEST(preferences.value(Choice::StayOnTop), "onTop");
        QCOMPARE(preferences.isLocked(), locked);
        QTEST(preferences.schoolSettingsFolder(), "settingsDir");
        QTEST(preferences.read(kList).value(u"size"_s), "countdowns");
        // Locked, the user's file stays as it was, or absent.
        const QByteArray before = readFile(userPath);
        QCOMPARE(preferences.setValue(Choice::StayOnTop, true).isNone(), !locked);
        QCOMPARE(readFile(userPath) == before, locked);
    }

    // Files as editors save them read as written, and a save keeps every
    // line it does not change byte for byte, in the file's own encoding, also
    // where the reader had to guess it; a file with bytes that are no text
    // is never written.
    void filesInEveryEncodingRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("saved");
        const QString text = u"[countdowns]\r\nsize=1\r\n1\\title=%1\r\n"_s;
        const QString title = u"一模"_s;
        const auto utf16 = [&](QStringConverter::Encoding encoding) -> QByteArray {
            return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text.arg(title));
        };
        QTest::newRow("UTF-8") << text.arg(title).toUtf8() << title << true;
        QTest::newRow("UTF-8, byte-order mark")
            << "\xEF\xBB\xBF" + text.arg(title).toUtf8() << title << true;
        QTest::newRow("UTF-16LE") << utf16(QStringConverter::Utf16LE) << title << true;
        QTest::newRow("UTF-16BE") << utf16(QStringConverter::Utf16BE) << title << true;
        QTest::newRow("GBK that is valid UTF-8 too") << gb18030(text.arg(title)) << title << true;
        QTest::newRow("GBK, Greek") << gb18030(text.arg(u"Ω"_s)) << u"Ω"_s << true;
        QTest::newRow("bytes that are no text")
            << text.arg(u"A"_s).toUtf8().replace("=A", "=A\xFF") << u"A\uFFFD"_s << false;
        QTest::newRow("UTF-8 of two-byte characters, read as GBK")
            << QByteArray("[board]\r\nmotto=Carpe diem \xC2\xB7 \xC3\x87"
                          "a ira\r\n")
                + text.arg(u"Ça"_s).toUtf8()
            << u"脟a"_s << true;
        QTest::newRow("a GBK line and a UTF-8 line")
            << gb18030(u"[countdowns]\r\nsize=2\r\n2\\title=数学\r\n"_s)
                + u"1\\title=语文\r\n"_s.toUtf8()
            << u"璇\uE15F枃"_s << true;
        QTest::newRow("UTF-16 without its mark")
            << QByteArray(utf16(QStringConverter::Utf16LE)).sliced(2) << QString() << false;
    }

    void filesInEveryEncodingRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, bytes);
        QCOMPARE(firstTitle(path), title);
        const FileTrouble trouble = Preferences(path, {}).setValue(Choice::StayOnTop, true);
        if (QFETCH(bool, saved); saved) {
            QVERIFY(trouble.isNone());
            QVERIFY(readFile(path).startsWith(bytes));
            QCOMPARE(firstTitle(path), title);
            QVERIFY(Preferences(path, {}).value(Choice::StayOnTop));
        } else {
            QVERIFY(trouble.message().contains(u"无法识别为文字的字节"_s));
            QVERIFY(trouble.message().contains(u"未改动"_s));
            QCOMPARE(readFile(path), bytes);
        }
    }

    // A school's tool may write hundreds of countdowns; a file beyond what
    // the program reads is never written, so its end is never lost.
    void aFileLongerThanTheReaderReadsIsNeverWritten_data()
    {
        QTest::addColumn<int>("countdowns");
        QTest::addColumn<bool>("saved");
        QTest::newRow("400 countdowns, 75 kB") << 400 << true;
        QTest::newRow("6000 countdowns, over 1 MiB") << 6000 << false;
    }

    void aFileLongerThanTheReaderReadsIsNeverWritten()
    {
        QFETCH(int, countdowns);
        QFETCH(bool, saved);
        QByteArray bytes = "[countdowns]\nsize=" + QByteArray::number(countdowns) + '\n';
        for (int i = 1; i <= countdowns; ++i)
            bytes += u"%1\\title=第%1次模拟考试\n%1\\target=2027-03-15T08:00\n%1\\repeat=false\n"
                     "%1\\format=full\n%1\\position=1500,40\n%1\\opacity=opaque\n"
                     "%1\\layer=normal\n%1\\locked=false\n%1\\clickThrough=false\n"_s.arg(i)
                         .toUtf8();
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, bytes);
        const QString last = Preferences(path, {}).read(kList).value(u"%1/title"_s.arg(countdowns));
        QCOMPARE(last.isEmpty(), !saved);
        const FileTrouble trouble = Preferences(path, {}).setValue(Choice::StayOnTop, true);
        QCOMPARE(trouble.isNone(), saved);
        const QByteArray lastTitle = u"%1\\title=第%1次模拟考试\n"_s.arg(countdowns).toUtf8();
        QCOMPARE(readFile(path).contains(lastTitle), true);
        if (!saved) {
            QVERIFY(trouble.message().contains(u"未改动"_s));
            QCOMPARE(readFile(path), bytes);
        }
    }

    // The school's file reads as Windows' own INI reader reads it; what keeps
    // it from counting goes to the log and to problems() for the about box.
    void theSchoolsFileReadsAsWindowsDoes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("problem"); // a part of the line told, if any
        const auto row = [](const char* name, const QByteArray& bytes, bool locked,
                             const QString& problem = {}) {
            QTest::newRow(name) << bytes << locked << problem;
        };
        row("another case", "[School]\nLocked=True\n", true);
        row("capitals, CR LF", "[SCHOOL]\r\nLOCKED = YES\r\n", true);
        row("UTF-16LE",
            QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom)
                .encode(u"[school]\r\nlocked=true\r\n"_s),
            true);
        row("a comment after the value", "[school]\nlocked=true ; 学生机\n", false,
            u"locked= 的值“true ; 学生机”不是 true 或 false"_s);
        row("a comment line", "[display]\nfullScreen=true\n[school]\n;locked=true\n", false);
        row("the first of two", "[school]\nLocked=false\nlocked=true\n", false);
        row("nothing the program knows", "[shcool]\nlocked=true\n", false,
            u"其中没有本程序认得的节或键"_s);
        row("a key without its section", "locked=true\n", false, u"其中没有本程序认得的节或键"_s);
        row("bytes that are no text", "[school]\nlocked=true\n1=\xFF\n", true,
            u"无法识别为文字的字节"_s);
    }

    void theSchoolsFileReadsAsWindowsDoes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"system.ini"_s);
        writeFile(path, bytes);
        // A file of nothing the program knows is told where every group is
        // known (the start, 关于); the rest as the file is read.
        const bool unknown = problem.contains(u"认得"_s);
        if (!problem.isEmpty() && !unknown)
            QTest::ignoreMessage(QtWarningMsg,
                QRegularExpression(QRegularExpression::escape(QDir::toNativeSeparators(path))
                    + u".*"_s + QRegularExpression::escape(problem)));
        const Preferences preferences(
            dir.filePath(u"user.ini"_s), { path }, Preferences::Rights::User);
        QTEST(preferences.isLocked(), "locked");
        QStringList told = preferences.problems();
        if (const QString line = preferences.unknownContent(Preferences::ownGroups());
            !line.isEmpty())
            told << line;
        QCOMPARE(told.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY(told.join(u'\n').contains(problem));
    }

    // Group Policy stands over both files, the computer's over the user's;
    // a value of the wrong kind, or a lock neither on nor off, is told and
    // left out.
    void aPolicyStandsOverBothFiles_data()
    {
        QTest::addColumn<QVariantMap>("machine");
        QTest::addColumn<QVariantMap>("user");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("settingsDir");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("problems");
        // The files: the system's locks, full screen on HDMI-1, the user's on top.
        QTest::newRow("none") << QVariantMap() << QVariantMap() << true << false << true
                              << u"/srv/file"_s << u"HDMI-1"_s << 0;
        QTest::newRow("unlocked by policy: the user's counts again")
            << QVariantMap { { u"Locked"_s, 0 } } << QVariantMap() << false << true << false
            << u"/srv/file"_s << u"HDMI-1"_s << 0;
        QTest::newRow("the computer's over the user's")
            << QVariantMap { { u"FullScreen"_s, 0 }, { u"settingsdir"_s, u"/srv/machine"_s } }
            << QVariantMap { { u"FullScreen"_s, 1 }, { u"StayOnTop"_s, 1u },
                   { u"Screen"_s, u" DP-2 "_s }, { u"SettingsDir"_s, u"/srv/user"_s } }
            << false << true << true << u"/srv/machine"_s << u"DP-2"_s << 0;
        QTest::newRow("wrong kinds told")
            << QVariantMap { { u"Locked"_s, u"maybe"_s }, { u"FullScreen"_s, 2 },
                   { u"SettingsDir"_s, QStringList { u"/a"_s } } }
            << QVariantMap { { u"StayOnTop"_s, QByteArray("1") } } << true << false << true
            << u"/srv/file"_s << u"HDMI-1"_s << 4;
    }

    void aPolicyStandsOverBothFiles()
    {
        QFETCH(QVariantMap, machine);
        QFETCH(QVariantMap, user);
        QFETCH(int, problems);
        const QTemporaryDir dir;
        const QString system = dir.filePath(u"system.ini"_s), own = dir.filePath(u"user.ini"_s);
        writeFile(system,
            "[school]\nlocked=true\nsettingsDir=/srv/file\n[display]\nfullScreen=true\n"
            "screen=HDMI-1\n");
        writeFile(own, "[display]\nfullScreen=false\nstayOnTop=true\n");
        for (int i = 0; i < problems; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^组策略“HK"_s));
        Policies policies;
        policies.add(machine, u"HKLM"_s);
        policies.add(user, u"HKCU"_s);
        const Preferences preferences(own, { system }, policies, Preferences::Rights::User);
        QTEST(preferences.value(Choice::FullScreen), "fullScreen");
        QTEST(preferences.value(Choice::StayOnTop), "onTop");
        QTEST(preferences.isLocked(), "locked");
        QTEST(QDir::fromNativeSeparators(preferences.schoolSettingsFolder()), "settingsDir");
        QTEST(preferences.value(Preferences::Text::FullScreenScreen), "screen");
        QCOMPARE(preferences.problems().size(), problems);
    }

#ifdef Q_OS_UNIX
    // The school's lock holds a student and not root, who may change what it
    // locks (next year's date among them) in their own files.
    void theLockHoldsStudentsAndNotRoot_data()
    {
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("onTop"); // the school's true or the user's false
        QTest::addColumn<FileTrouble::Kind>("saving");
        QTest::newRow("root") << true << false << false << FileTrouble::Kind::None;
        QTest::newRow("a student") << false << true << true << FileTrouble::Kind::LockedBySchool;
    }

    void theLockHoldsStudentsAndNotRoot()
    {
        QFETCH(bool, asRoot);
        if (getuid() != 0)
            QSKIP("Only root can be both.");
        const QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                | QFile::ExeOther));
        const QString school = dir.filePath(u"system.ini"_s);
        writeFile(school, "[school]\nlocked=true\n[display]\nstayOnTop=true\n");
        const QString user = dir.filePath(u"user.ini"_s);
        writeFile(user, "[display]\nstayOnTop=false\n");
        QFETCH(bool, locked);
        QFETCH(bool, onTop);
        QFETCH(FileTrouble::Kind, saving);
        QVERIFY(runInChild(asRoot ? std::function<void()>([] {}) : dropRootInChild, [&] {
            const Preferences preferences(user, { school });
            return preferences.isLocked() == locked && preferences.value(Choice::StayOnTop) == onTop
                && preferences.setValue(Choice::FullScreen, true).kind() == saving;
        }));
    }

    // Root's file of mode 0600, read by a student: told, and no lock.
    void anUnreadableSchoolFileIsTold()
    {
        const QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                | QFile::ExeOther));
        const QString path = dir.filePath(u"system.ini"_s);
        writeFile(path, "[school]\nlocked=true\n");
        QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        QVERIFY(runInChild(dropRootInChild, [&] {
            const Preferences preferences(dir.filePath(u"user.ini"_s), { path });
            return !preferences.isLocked() && preferences.problems().size() == 1
                && preferences.problems()[0].contains(path)
                && preferences.problems()[0].contains(u"没有访问权限"_s);
        }));
    }
#endif

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
        const QString lock = path + u".edit.lock"_s;
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

private:
    static QString firstTitle(const QString& path)
    {
        return Preferences(path, {}).read(kList).value(u"1/title"_s);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
