// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"
#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
const QString kAppId = u"org.example.GaokaoCountdown"_s;
// A program that is there: no entry is written for one that is not.
const QStringList kCommand { u"/usr/bin/env"_s, u"--settings-dir"_s, u"/srv/班级"_s };

// Stands in for the program: writes its arguments, each NUL-ended, to $ARGV_FILE.
const QByteArray kRecorder = "#!/bin/sh\nfor a in \"$0\" \"$@\"; do printf '%s\\0' \"$a\"; done"
                             " >\"$ARGV_FILE.part\" && mv \"$ARGV_FILE.part\" \"$ARGV_FILE\"\n";
}

// The entry goes where the user's configuration directory says, which the test
// points at a temporary folder before anything reads it.
class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        m_validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        QVERIFY2(!m_validator.isEmpty(), "desktop-file-validate: scripts/install-deps.sh test");
        m_launcher = QStandardPaths::findExecutable(u"gio"_s);
        QVERIFY2(!m_launcher.isEmpty(), "gio: scripts/install-deps.sh test");
    }

    void theEntryIsValidAndGoesAway_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("settingsDir");
        QTest::addColumn<bool>("writable");
        const QString program = u"/usr/bin/gaokao-countdown"_s;
        QTest::newRow("plain") << program << QString() << true;
        QTest::newRow("blanks") << u"/home/老师/my programs/gaokao-countdown"_s << QString()
                                << true;
        QTest::newRow("quote, dollar, backslash, percent, backtick")
            << u"/opt/a\"b$c\\d`f/gaokao-countdown"_s << u"/srv/%e"_s << true;
        QTest::newRow("a shared folder") << program << u"/mnt/学校 共享/高三"_s << true;
        QTest::newRow("a newline adds no line")
            << program << u"/tmp/d/x\nExec=/usr/bin/touch /tmp/pwned\nX-Junk="_s << true;
        QTest::newRow("carriage return, tab") << u"/opt/新\n建\t文件夹/gaokao-countdown"_s
                                              << u"/tmp/d/x\r[Desktop Entry]\ty"_s << true;
        QTest::newRow("escapes and field codes as text")
            << program << u"/a\\n\\s\\\\ %f %%u %"_s << true;
        QTest::newRow("shell words")
            << u"/opt/-x=1;$(id)/'q' `id` ~*?<>|&#"_s << u"/srv/ -d=1;a=b\\"_s << true;
        QTest::newRow("a program GLib would not find")
            << u"/opt/100%/gaokao-countdown"_s << QString() << false;
        QTest::newRow("other controls are refused") << program << u"/tmp/a\x01\x1b\x7f"_s << false;
    }

    // The program at each row's path, under a temporary folder, records how
    // it was started when GLib launches the entry.
    void theEntryIsValidAndGoesAway()
    {
        QFETCH(QString, program);
        QFETCH(QString, settingsDir);
        QFETCH(bool, writable);
        QTemporaryDir root;
        program = root.path() + program;
        QVERIFY(QDir().mkpath(QFileInfo(program).path()));
        writeFile(program, kRecorder);
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        QStringList command { program };
        if (!settingsDir.isNull())
            command << u"--settings-dir"_s << settingsDir;
        const Autostart autostart(kAppId, command);
        QCOMPARE(
            autostart.entryPath(), m_config.filePath(u"autostart/"_s + kAppId + u".desktop"_s));
        QVERIFY(!autostart.isEnabled());

        QCOMPARE(autostart.setEnabled(true).isNone(), writable);
        QCOMPARE(autostart.isEnabled(), writable);
        QCOMPARE(QFile::exists(autostart.entryPath()), writable);
        if (!writable)
            return;
        QProcess validate;
        validate.start(m_validator, { autostart.entryPath() });
        QVERIFY(validate.waitForFinished());
        const QByteArray said = validate.readAll();
        QVERIFY2(validate.exitCode() == 0 && said.isEmpty(), said.constData());

        const QString argvFile = root.filePath(u"argv"_s);
        qputenv("ARGV_FILE", QFile::encodeName(argvFile));
        QCOMPARE(QProcess::execute(m_launcher, { u"launch"_s, autostart.entryPath() }), 0);
        QTRY_COMPARE(QString::fromUtf8(readFile(argvFile)), command.join(u'\0') + u'\0');

        QVERIFY(autostart.setEnabled(false).isNone());
        QVERIFY(!QFile::exists(autostart.entryPath()));
        QVERIFY(autostart.setEnabled(false).isNone());
    }

    void execQuotingReadsBackAsTheProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/a"_s << u"/usr/bin/a"_s;
        QTest::newRow("blank") << u"/a b/c"_s << u"\"/a b/c\""_s;
        QTest::newRow("quote and dollar") << u"/a\"$b"_s << u"\"/a\\\\\"\\\\$b\""_s;
        QTest::newRow("backslash") << u"/a\\b"_s << u"\"/a\\\\\\\\b\""_s;
        QTest::newRow("percent alone") << u"/a%b"_s << u"/a%%b"_s;
    }

    void execQuotingReadsBackAsTheProgram()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(Autostart::execArgument(program), exec);
    }

    // The entry already there, as a desktop or another copy left it; a null
    // text is a named pipe there.
    void theTickShowsWhatTheEntryDoes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("on");
        const QByteArray ours = Autostart(kAppId, kCommand).entry();
        QTest::newRow("ours") << ours << true;
        QTest::newRow("other groups") << "#\n" + ours + "[Desktop Action x]\nExec=/a\n" << true;
        QTest::newRow("hidden") << ours + "Hidden=true\n" << false;
        QTest::newRow("off in GNOME") << ours + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("another copy") << QByteArray(ours).replace("/usr/bin/", "/opt/") << false;
        QTest::newRow("another folder") << QByteArray(ours).replace("班级", "其他") << false;
        QTest::newRow("a second Exec") << ours + "Exec=/usr/bin/touch /tmp/pwned\n" << false;
        QTest::newRow("not UTF-8") << ours + "Name[zh_CN]=\xb8\xdf\xbf\xbc\n" << false;
        QTest::newRow("huge") << ours + '#' + QByteArray(1 << 20, 'x') + '\n' << false;
        QTest::newRow("a pipe, which must not block") << QByteArray() << false;
    }

    void theTickShowsWhatTheEntryDoes()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, on);
        const Autostart autostart(kAppId, kCommand);
        QVERIFY(QDir().mkpath(QFileInfo(autostart.entryPath()).path()));
        if (content.isNull())
            QCOMPARE(mkfifo(QFile::encodeName(autostart.entryPath()).constData(), 0600), 0);
        else
            writeFile(autostart.entryPath(), content);
        QCOMPARE(autostart.isEnabled(), on);

        QVERIFY(autostart.setEnabled(true).isNone());
        QVERIFY(autostart.isEnabled());
        QVERIFY(autostart.setEnabled(false).isNone());
    }

    // A program removed while it ran (its package uninstalled) writes no entry
    // that would start nothing.
    void noEntryForAProgramThatIsGone()
    {
        const QTemporaryDir root;
        const Autostart autostart(kAppId, { root.filePath(u"gaokao-countdown"_s) });
        const FileTrouble trouble = autostart.setEnabled(true);
        QCOMPARE(trouble.kind(), FileTrouble::Kind::ProgramMissing);
        QVERIFY(trouble.message().contains(root.filePath(u"gaokao-countdown"_s)));
        QVERIFY(!autostart.exists());
    }

private:
    QTemporaryDir m_config;
    QString m_validator;
    QString m_launcher;
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
