// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "displaycheck.h"
#include "settingsstore.h"
#include "terminaltext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using Outcome = CommandLine::Outcome;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("folder");
        const QString home = SettingsStore::defaultFolder();
        const QString here = QDir::currentPath();
        QTest::newRow("plain") << QStringList {} << Outcome::Run << false << false << home;
        QTest::newRow("both") << QStringList { u"--on-top"_s, u"--fullscreen"_s } << Outcome::Run
                              << true << true << home;
        const QString absolute = QDir::rootPath() + u"srv/班级"_s; // with its drive on Windows
        QTest::newRow("absolute folder") << QStringList { u"--settings-dir"_s, absolute }
                                         << Outcome::Run << false << false << absolute;
        QTest::newRow("relative folder, = form")
            << QStringList { u"--settings-dir=shared"_s } << Outcome::Run << false << false
            << here + u"/shared"_s;
        QTest::newRow("help wins") << QStringList { u"--bogus"_s, u"-h"_s } << Outcome::Help
                                   << false << false << QString();
        QTest::newRow("version") << QStringList { u"--version"_s } << Outcome::Version << false
                                 << false << QString();
        QTest::newRow("unknown") << QStringList { u"--full"_s } << Outcome::Error << false << false
                                 << QString();
        QTest::newRow("folder missing")
            << QStringList { u"--settings-dir"_s } << Outcome::Error << false << false << QString();
        QTest::newRow("folder empty") << QStringList { u"--settings-dir="_s } << Outcome::Error
                                      << false << false << QString();
        QTest::newRow("folder is a file")
            << QStringList { u"--settings-dir"_s, QFINDTESTDATA("tst_commandline.cpp") }
            << Outcome::Error << false << false << QString();
        QTest::newRow("stray word")
            << QStringList { u"fullscreen"_s } << Outcome::Error << false << false << QString();
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Outcome, outcome);
        CommandLine line;
        QCOMPARE(line.parse(QStringList { u"gaokao-countdown"_s } + arguments), outcome);
        if (outcome == Outcome::Error)
            QVERIFY(line.errorText().contains(u"。"_s));
        if (outcome != Outcome::Run)
            return;
        QTEST(line.options().fullScreen, "fullScreen");
        QTEST(line.options().onTop, "onTop");
        QTEST(line.options().settingsFolder, "folder");
        // A start at login reads the same folder.
        QFETCH(QString, folder);
        const QStringList again { u"--settings-dir"_s, folder };
        QCOMPARE(line.options().loginArguments,
            folder == SettingsStore::defaultFolder() ? QStringList() : again);
    }

    // --screen with --board is the board's screen, "all" its every one.
    void boardAndItsScreens_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("board");
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("the board") << QStringList { u"--board"_s } << true << false;
        QTest::newRow("on every screen")
            << QStringList { u"--board"_s, u"--screen"_s, u"all"_s } << true << false;
        QTest::newRow("and the window full screen")
            << QStringList { u"--board"_s, u"--screen=2"_s, u"--fullscreen"_s } << true << true;
        QTest::newRow("every screen without the board")
            << QStringList { u"--screen"_s, u"all"_s } << false << false;
    }

    void boardAndItsScreens()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, board);
        CommandLine line(CommandLine::FolderCheck {});
        QCOMPARE(line.parse(QStringList { u"gaokao-countdown"_s } + arguments),
            board ? Outcome::Run : Outcome::Error);
        QTEST(line.options().board, "board");
        QTEST(line.options().fullScreen, "fullScreen");
    }

    // The login entry for every user starts the program with the display the
    // command line asks for, in one order whatever the order given.
    void displayOptionsForTheLoginEntry_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("repeated");
        QTest::newRow("none") << QStringList { u"--settings-dir=/srv"_s } << QStringList {};
        QTest::newRow("a screen") << QStringList { u"--screen"_s, u"HDMI-1"_s }
                                  << QStringList { u"--screen"_s, u"HDMI-1"_s };
        QTest::newRow("all three")
            << QStringList { u"--screen=2"_s, u"--on-top"_s, u"--fullscreen"_s }
            << QStringList { u"--fullscreen"_s, u"--on-top"_s, u"--screen"_s, u"2"_s };
        QTest::newRow("the board on every screen") << QStringList { u"--screen=all"_s,
            u"--board"_s } << QStringList { u"--board"_s, u"--screen"_s, u"all"_s };
    }

    void displayOptionsForTheLoginEntry()
    {
        QFETCH(QStringList, arguments);
        CommandLine line(CommandLine::FolderCheck {});
        const QStringList start { u"gaokao-countdown"_s, u"--autostart=all"_s };
        QCOMPARE(line.parse(start + arguments), Outcome::AutostartForAll);
        QTEST(line.options().displayArguments, "repeated");
    }

    // A folder on a stalled share holds the start up for a moment at most;
    // the settings reader then tells the window about it.
    void aFolderThatDoesNotAnswerIsNotWaitedFor()
    {
        CommandLine line([](const QString&) {
            QThread::sleep(3);
            return true;
        });
        QElapsedTimer waited;
        waited.start();
        const QString stalled = QDir::rootPath() + u"srv/stalled"_s;
        QCOMPARE(
            line.parse({ u"gaokao-countdown"_s, u"--settings-dir="_s + stalled }), Outcome::Run);
        QCOMPARE_LT(waited.elapsed(), 1500);
        QCOMPARE(line.options().settingsFolder, stalled);
    }

    void withoutQtOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("ours");
        QTest::newRow("platform and style") << QStringList { u"-platform"_s, u"offscreen"_s,
            u"--fullscreen"_s, u"-style=fusion"_s, u"--reverse"_s }
                                            << QStringList { u"--fullscreen"_s };
        QTest::newRow("X11's, beside an unknown one") << QStringList { u"-display"_s, u":1"_s,
            u"--geometry"_s, u"9x9"_s, u"--bogus"_s } << QStringList { u"--bogus"_s };
        QTest::newRow("a value of ours") << QStringList { u"--settings-dir=-style"_s }
                                         << QStringList { u"--settings-dir=-style"_s };
        QTest::newRow("after --") << QStringList { u"--"_s, u"-reverse"_s }
                                  << QStringList { u"--"_s, u"-reverse"_s };
    }

    void withoutQtOptions()
    {
        QFETCH(QStringList, arguments);
        const QStringList name { u"gaokao-countdown"_s };
        QTEST(CommandLine::withoutQtOptions(name + arguments).mid(1), "ours");
    }

    void terminalText_data()
    {
        QTest::addColumn<QByteArray>("codeset");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray utf8 = u"班级"_s.toUtf8();
#ifdef Q_OS_UNIX // a locale's character set; Windows' console takes UTF-16
        QTest::newRow("GB18030") << QByteArray("GB18030") << QByteArray("\xb0\xe0\xbc\xb6");
#endif
        QTest::newRow("UTF-8") << QByteArray("UTF-8") << utf8;
        QTest::newRow("C locale") << QByteArray("ANSI_X3.4-1968") << utf8;
        QTest::newRow("unknown to Qt") << QByteArray("NO-SUCH-SET") << utf8;
    }

    void terminalText()
    {
        QFETCH(QByteArray, codeset);
        QTEST(TerminalText::encoded(u"班级"_s, codeset), "bytes");
    }

    void display_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("available");
        const QStringList none;
        QTest::newRow("nothing") << none << none << false;
        QTest::newRow("X11") << none << QStringList { u"DISPLAY=:0"_s } << true;
        QTest::newRow("Wayland") << none << QStringList { u"WAYLAND_DISPLAY=wayland-1"_s } << true;
        QTest::newRow("empty DISPLAY") << none << QStringList { u"DISPLAY="_s } << false;
        QTest::newRow("-display") << QStringList { u"-display"_s, u":1"_s } << none << true;
        QTest::newRow("offscreen")
            << none << QStringList { u"QT_QPA_PLATFORM=offscreen"_s } << true;
        QTest::newRow("xcb without X") << none << QStringList { u"QT_QPA_PLATFORM=xcb"_s } << false;
        QTest::newRow("xcb asked, only Wayland")
            << none << QStringList { u"QT_QPA_PLATFORM=xcb"_s, u"WAYLAND_DISPLAY=w"_s } << false;
        QTest::newRow("list, second fits")
            << none << QStringList { u"QT_QPA_PLATFORM=wayland;xcb"_s, u"DISPLAY=:1"_s } << true;
        QTest::newRow("-platform beats the environment")
            << QStringList { u"-platform"_s, u"offscreen"_s }
            << QStringList { u"QT_QPA_PLATFORM=xcb"_s } << true;
        QTest::newRow("-platform xcb without X")
            << QStringList { u"-platform"_s, u"xcb:foo=1"_s }
            << QStringList { u"QT_QPA_PLATFORM=offscreen"_s } << false;
    }

    void display()
    {
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
        QSKIP("Windows and macOS always have a display.");
#endif
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QProcessEnvironment env;
        for (const QString& pair : std::as_const(environment))
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1, -1));
        QTEST(DisplayCheck::available(QStringList { u"gaokao-countdown"_s } + arguments, env),
            "available");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
