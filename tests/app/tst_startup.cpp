// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
struct Run {
    int status = -1;
    QString out, err;
};

// Runs the program with `arguments` and `environment` added to one without
// any display, for at most `millis`; a program still running then is ended.
Run runProgram(
    const QStringList& arguments, const QStringList& environment = {}, int millis = 10000)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(name));
    for (const QString& pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1, -1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GAOKAO_PROGRAM), arguments);
    if (!process.waitForFinished(millis)) {
        process.terminate();
        process.waitForFinished();
    }
    const bool exited = process.exitStatus() == QProcess::NormalExit;
    return { exited ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}
}

// The program as started from a terminal: what it answers without a display,
// and where --settings-dir sends the settings file.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList none;
        QTest::newRow("help") << QStringList { u"--help"_s } << none << 0
                              << u"用法：.*--fullscreen.*--on-top.*--settings-dir.*--version"_s
                              << u"^$"_s;
        QTest::newRow("version") << QStringList { u"-v"_s } << none << 0
                                 << u"^gaokao-countdown " PROJECT_VERSION "\n$"_s << u"^$"_s;
        QTest::newRow("plain start") << QStringList {} << none << 1 << u"^$"_s
                                     << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
        QTest::newRow("full screen") << QStringList { u"--fullscreen"_s } << none << 1 << u"^$"_s
                                     << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
        QTest::newRow("a display that does not answer")
            << QStringList {} << QStringList { u"DISPLAY=:4093"_s } << 1 << u"^$"_s
            << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
    }

    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runProgram(arguments, environment);
        QCOMPARE(run.status, status);
        const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(QRegularExpression(out, dotAll).match(run.out).hasMatch(), qPrintable(run.out));
        QVERIFY2(QRegularExpression(err, dotAll).match(run.err).hasMatch(), qPrintable(run.err));
    }

    void aBadOptionIsToldInChinese()
    {
        const Run run = runProgram({ u"--full-screen"_s, u"-platform"_s, u"offscreen"_s });
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"未知选项“full-screen”。用 --help 查看可用的选项。"_s),
            qPrintable(run.err));
    }

    // The first start makes the folder with the defaults there; an existing
    // file there is what the window counts down to.
    void theSettingsFolderIsTheOneGiven()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(u"班级/共享"_s);
        QVERIFY(QDir().mkpath(root.filePath(u"班级"_s)));
        const QStringList offscreen { u"QT_QPA_PLATFORM=offscreen"_s,
            u"QT_LOGGING_RULES=gaokao.tick.debug=true"_s, u"XDG_CONFIG_HOME="_s + root.path() };
        runProgram({ u"--settings-dir"_s, folder }, offscreen, 1500);
        QFile created(folder + u"/data.txt"_s);
        QVERIFY(created.open(QIODevice::ReadOnly));
        QCOMPARE(created.readAll().count("\r\n"), 4);
        created.close();
        QVERIFY(!QFile::exists(root.filePath(u"VEKTemp"_s)));

        QVERIFY(created.open(QIODevice::WriteOnly | QIODevice::Truncate));
        created.write("2000-1-1 0:00:00\r\n2000-1-10 9:00:00\r\nT\r\nH\r\n");
        created.close();
        const Run run = runProgram({ u"--settings-dir"_s, folder }, offscreen, 2500);
        // A tick toward 2000-1-10 has long gone below zero days.
        QVERIFY2(run.err.contains(QRegularExpression(u"gaokao.tick: .* -\\d{4,}天"_s)),
            qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
