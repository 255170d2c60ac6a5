// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyendpoint.h"
#include "settingsfile.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#ifdef Q_OS_UNIX
#include "forkedchild.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#endif

using namespace Qt::StringLiterals;

namespace {
struct Run {
    int status = -1;
    QString out, err;
};

// Runs the program with `arguments` and `environment` added to one without
// any display, for at most `millis`; a program still running then is ended.
// Through a shell script, when given one: the program is its $0.
Run runProgram(const QStringList& arguments, const QStringList& environment = {},
    int millis = 10000, const QString& script = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(name));
    for (const QString& pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1, -1));
    QProcess process;
    process.setProcessEnvironment(env);
    if (script.isEmpty())
        process.start(QStringLiteral(GAOKAO_PROGRAM), arguments);
    else
        process.start(u"/bin/sh"_s,
            QStringList { u"-c"_s, script, QStringLiteral(GAOKAO_PROGRAM) } + arguments);
    if (!process.waitForFinished(millis)) {
        process.terminate(); // on Windows a window-less program does not hear it
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
    }
    const bool exited = process.exitStatus() == QProcess::NormalExit;
    // UTF-8 on every system, Windows' pipes included.
    const auto text = [](const QByteArray& bytes) { return QString::fromUtf8(bytes); };
    return { exited ? process.exitCode() : -1, text(process.readAllStandardOutput()),
        text(process.readAllStandardError()) };
}

// --quit for `folder`, while the test goes on reaping the copies it started:
// one that ended is gone then, not a zombie that --quit takes for running.
Run quitCopies(const QString& folder,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess quit;
    quit.setProcessEnvironment(environment);
    quit.start(QStringLiteral(GAOKAO_PROGRAM), { u"--settings-dir"_s, folder, u"--quit"_s });
    if (!QTest::qWaitFor([&quit] { return quit.state() == QProcess::NotRunning; }, 25000))
        quit.kill();
    quit.waitForFinished();
    return { quit.exitStatus() == QProcess::NormalExit ? quit.exitCode() : -1,
        QString::fromUtf8(quit.readAllStandardOutput()),
        QString::fromUtf8(quit.readAllStandardError()) };
}

// The program left running offscreen, on `root`/`folder`, telling its ticks.
struct RunningCopy {
    RunningCopy(const QTemporaryDir& root, const QString& folder, const QStringList& more = {},
        const QStringList& environment = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"QT_LOGGING_RULES"_s, u"gaokao.tick.debug=true;gaokao.copy.info=true"_s);
        env.insert(u"XDG_CONFIG_HOME"_s, root.path());
        for (const QString& pair : environment)
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1, -1));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(GAOKAO_PROGRAM),
            QStringList { u"--settings-dir"_s, root.filePath(folder) } + more);
    }
    ~RunningCopy()
    {
#ifdef Q_OS_UNIX
        signal(SIGCONT);
#endif
        process.kill();
        process.waitForFinished();
    }
#ifdef Q_OS_UNIX
    // Only while it runs: the id of one that ended is 0, and kill(0) would
    // stop or continue every process of the group, the test's own included.
    void signal(int number)
    {
        if (const qint64 id = process.processId(); id > 0)
            ::kill(pid_t(id), number);
    }
#endif
    QString err() { return m_err += QString::fromUtf8(process.readAllStandardError()); }
    bool hasWindow() { return err().contains(u"gaokao.tick"_s); }
    bool isRunning() const { return process.state() != QProcess::NotRunning; }
    QProcess process;
    QString m_err;
};

#ifdef Q_OS_UNIX
// Another user's program answering at each of `paths` as a running copy
// would: it makes the names as the test's user, then listens as nobody, so
// that the system names nobody as the one who answers. A byte to `ready`
// says it listens.
[[noreturn]] void answerAsAnotherUser(const QByteArray (&paths)[2], int ready)
{
    pollfd sockets[2] {};
    for (int i = 0; i < 2; ++i) {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, paths[i].constData(), sizeof address.sun_path);
        sockets[i] = { ::socket(AF_UNIX, SOCK_STREAM, 0), POLLIN, 0 };
        if (::bind(sockets[i].fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            _exit(2);
        ::chmod(paths[i].constData(), 0777);
    }
    dropRootInChild();
    for (const pollfd& socket : sockets)
        ::listen(socket.fd, 8);
    (void)!::write(ready, "", 1);
    while (::poll(sockets, 2, -1) > 0) {
        for (const pollfd& socket : sockets) {
            if (!(socket.revents & POLLIN))
                continue;
            const int peer = ::accept(socket.fd, nullptr, nullptr);
            (void)!::write(peer, "shown\n", 6);
            ::close(peer);
        }
    }
    _exit(0);
}
#endif
}

// A plain file with a Chinese name, made once.
QString chineseNamedFile()
{
    static const QTemporaryDir dir;
    const QString path = dir.filePath(u"高考设置"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot make %s", qPrintable(path));
    return path;
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
#ifdef Q_OS_UNIX // Windows always has a display: the window would open
        QTest::newRow("plain start") << QStringList {} << none << 1 << u"^$"_s
                                     << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
        QTest::newRow("full screen") << QStringList { u"--fullscreen"_s } << none << 1 << u"^$"_s
                                     << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
#endif
        QTest::newRow("unknown option") << QStringList { u"--bogus"_s } << none << 2 << u"^$"_s
                                        << u"^gaokao-countdown：未知选项“bogus”。[^\n]*\n$"_s;
#ifdef Q_OS_UNIX
        QTest::newRow("Qt's options are Qt's")
            << QStringList { u"-style"_s, u"fusion"_s, u"-reverse"_s, u"--fullscreen"_s } << none
            << 1 << u"^$"_s << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
#endif
        QTest::newRow("a file for a folder")
            << QStringList { u"--settings-dir"_s, QStringLiteral(GAOKAO_PROGRAM) } << none << 2
            << u"^$"_s << u"^gaokao-countdown：“[^\n]*”不是文件夹。\n$"_s;
        QTest::newRow("a file with a Chinese name for a folder")
            << QStringList { u"--settings-dir"_s, chineseNamedFile() } << none << 2 << u"^$"_s
            << u"^gaokao-countdown：“[^\n]*高考设置”不是文件夹。\n$"_s;
#ifdef Q_OS_UNIX
        QTest::newRow("a display that does not answer")
            << QStringList {} << QStringList { u"DISPLAY=:4093"_s } << 1 << u"^$"_s
            << u"^gaokao-countdown：找不到可用的显示[^\n]*\n$"_s;
#endif
    }

    // --status, with no display: what the machine uses, each problem on a
    // line of its own, and 1 when there is one.
    void statusTellsWhatIsWrong_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::newRow("all well")
            << QString() << 0 << u"标题“某某中学”.*截止时间 2027-6-7 9:00:00.*没有发现问题。\n$"_s;
        QTest::newRow("data.txt no file")
            << u"data.txt"_s << 1 << u"\n问题：无法读取设置文件“[^\n]*data.txt”：.*发现 1 个问题"_s;
        QTest::newRow("a bad school file")
            << u"school"_s << 1
            << u"\n问题：“[^\n]*gaokao-countdown.ini”中 \\[school\\] 的 locked= 的值“maybe”"_s;
    }

    void statusTellsWhatIsWrong()
    {
        QFETCH(QString, obstacle);
        const QTemporaryDir dir;
        const QString folder = dir.filePath(u"shared"_s);
        QVERIFY(QDir().mkpath(folder));
        if (obstacle == u"data.txt"_s)
            QVERIFY(QDir().mkdir(folder + u"/data.txt"_s));
        else
            writeFile(folder + u"/data.txt"_s,
                gb18030(u"2026-12-9 8:00:00\r\n2027-6-7 9:00:00\r\n某某中学\r\n距高考还有\r\n"_s));
        const QString school = dir.filePath(u"etc/gaokao-countdown/gaokao-countdown.ini"_s);
        QVERIFY(QDir().mkpath(QFileInfo(school).path()));
        writeFile(school,
            "[school]\nsettingsDir=" + folder.toUtf8() + "\n"
                + (obstacle == u"school"_s ? "locked=maybe\n" : ""));
        const Run run = runProgram({ u"--status"_s },
            { u"XDG_CONFIG_DIRS="_s + dir.filePath(u"etc"_s),
                u"ProgramData="_s + QDir::toNativeSeparators(dir.filePath(u"etc"_s)),
                u"XDG_CONFIG_HOME="_s + dir.filePath(u"home"_s),
                u"LOCALAPPDATA="_s + QDir::toNativeSeparators(dir.filePath(u"home"_s)) });
        QTEST(run.status, "status");
        QVERIFY2(run.out.contains(u"设置文件夹："_s + QDir::toNativeSeparators(folder)
                     + u"（来自全校统一设置）"_s),
            qPrintable(run.out));
        QFETCH(QString, out);
        const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(QRegularExpression(out, dotAll).match(run.out).hasMatch(), qPrintable(run.out));
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

    // A folder named in GBK, as a Windows share mounted without utf8 gives:
    // Qt would open another folder of that name in UTF-8.
    void aFolderNameNotInUtf8IsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // the name goes after the last
        QTest::newRow("separate") << QStringList { u"--settings-dir"_s, QString() };
        QTest::newRow("joined") << QStringList { u"--settings-dir="_s };
        QTest::newRow("one dash") << QStringList { u"-settings-dir"_s, QString() };
    }

    void aFolderNameNotInUtf8IsRefused()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows names files in UTF-16: a name is never bytes in another encoding");
#endif
        QFETCH(QStringList, arguments);
        QTemporaryDir root;
        const QByteArray name = "\xb0\xe0\xbc\xb6"; // 班级
        const QByteArray folder = QFile::encodeName(root.path()) + '/' + name;
        // Qt cannot name it, nor remove it with the temporary folder.
        const std::filesystem::path path(folder.toStdString());
        const auto removeIt = qScopeGuard([&path] { std::filesystem::remove_all(path); });
        QVERIFY(std::filesystem::create_directory(path));
        QVERIFY(std::ofstream(path / "data.txt").good());
        const Run run = runProgram(arguments,
            { u"QT_QPA_PLATFORM=offscreen"_s, u"XDG_CONFIG_HOME="_s + root.path(),
                u"FOLDER="_s + root.path() + u"/"_s },
            3000, uR"sh(exec "$0" "$@""$FOLDER$(printf '\260\340\274\266')")sh"_s);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"不是 UTF-8 编码"_s), qPrintable(run.err));
        // Nothing beside it, such as a folder named in replacement characters.
        const std::filesystem::directory_iterator entries(path.parent_path());
        QCOMPARE(std::distance(begin(entries), end(entries)), 1);
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
#ifdef Q_OS_WIN // Qt writes its log to stderr in the ANSI code page there
        const QRegularExpression tick(u"gaokao.tick: .* -\\d{4,}"_s);
#else
        const QRegularExpression tick(u"gaokao.tick: .* -\\d{4,}天"_s);
#endif
        QVERIFY2(run.err.contains(tick), qPrintable(run.err));
    }

    // The folder the system-wide preferences name, when the command line
    // names none.
    void theSchoolNamesTheSettingsFolder()
    {
#ifndef Q_OS_UNIX
        QSKIP("the system's folder on Windows is ProgramData, which the tests share");
#endif
        const QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath(u"xdg/gaokao-countdown"_s)));
        QFile file(root.filePath(u"xdg/gaokao-countdown/gaokao-countdown.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[school]\nsettingsDir=" + QFile::encodeName(root.filePath(u"班级"_s)));
        file.close();
        runProgram({},
            { u"QT_QPA_PLATFORM=offscreen"_s, u"XDG_CONFIG_HOME="_s + root.filePath(u"home"_s),
                u"XDG_CONFIG_DIRS="_s + root.filePath(u"xdg"_s) },
            1500);
        QVERIFY(QFile::exists(root.filePath(u"班级/data.txt"_s)));
    }

    // As root, for every user: the entry in the first system folder, as valid
    // as the user's, with the options that shape the display, and gone again;
    // where it cannot be written or removed, the reason. %1 is the program.
    void autostartForAll_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("there"); // before: an entry, a file for its folder, nothing
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("exec");
        const QString done = u"^已为本机所有用户设置开机自动启动：.*/first/autostart/"
                             u"org.example.GaokaoCountdown.desktop\n$"_s;
        const QString entry = u"entry"_s, nothing;
        QTest::newRow("all") << QStringList { u"--autostart=all"_s } << nothing << false << 0
                             << done << u"%1"_s;
        QTest::newRow("all, with a folder")
            << QStringList { u"--autostart"_s, u"all"_s, u"--settings-dir"_s, u"/srv/班级 共享"_s }
            << nothing << false << 0 << done << u"%1 --settings-dir \"/srv/班级 共享\""_s;
        QTest::newRow("all, on the projector's screen")
            << QStringList { u"--autostart=all"_s, u"--screen"_s, u"HDMI-1"_s } << nothing << false
            << 0 << done << u"%1 --screen HDMI-1"_s;
        QTest::newRow("all, with every display option")
            << QStringList { u"--on-top"_s, u"--autostart=all"_s, u"--screen=投影 2"_s,
                   u"--settings-dir"_s, u"/srv/班级"_s, u"--fullscreen"_s }
            << nothing << false << 0 << done
            << u"%1 --settings-dir /srv/班级 --fullscreen --on-top --screen \"投影 2\""_s;
        QTest::newRow("a screen the entry cannot hold")
            << QStringList { u"--autostart=all"_s, u"--screen"_s, u"HDMI\x01"_s } << nothing
            << false << 1 << u"^gaokao-countdown：无法[^\n]*控制字符[^\n]*\n$"_s << QString();
        QTest::newRow("off-all") << QStringList { u"--autostart=off-all"_s } << entry << false << 0
                                 << u"^已取消本机所有用户的开机自动启动：.*\n$"_s << QString();
        QTest::newRow("off-all, with none there")
            << QStringList { u"--autostart=off-all"_s } << nothing << false << 0
            << u"^没有为所有用户设置的登录启动项，无需取消。\n$"_s << QString();
        QTest::newRow("off-all, not as root")
            << QStringList { u"--autostart=off-all"_s } << entry << true << 1
            << u"^gaokao-countdown：无法[^\n]*没有访问权限。请以 root 身份运行[^\n]*\n$"_s
            << u"%1"_s;
        QTest::newRow("a bad value")
            << QStringList { u"--autostart=on"_s } << nothing << false << 2
            << u"^gaokao-countdown：--autostart 只能是 all 或 off-all[^\n]*\n$"_s << QString();
        QTest::newRow("a file where the folder belongs")
            << QStringList { u"--autostart=all"_s } << u"file"_s << false << 1
            << u"^gaokao-countdown：无法[^\n]*\n$"_s << QString();
    }

    void autostartForAll()
    {
#ifndef Q_OS_UNIX
        QSKIP("the computer's Run key under Wine is every test's");
#else
        QFETCH(QStringList, arguments);
        QFETCH(QString, there);
        QFETCH(bool, asNobody);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, exec);
        if (asNobody && ::geteuid() != 0)
            QSKIP("only root can be another user");
        const QTemporaryDir root;
        QVERIFY(
            QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFile::ExeOther));
        const QString entry
            = root.filePath(u"first/autostart/org.example.GaokaoCountdown.desktop"_s);
        const QStringList environment { u"XDG_CONFIG_HOME="_s + root.filePath(u"home"_s),
            u"XDG_CONFIG_DIRS="_s + root.filePath(u"first"_s) + u':' + root.filePath(u"second"_s) };
        if (there == u"entry"_s)
            QCOMPARE(runProgram({ u"--autostart=all"_s }, environment).status, 0);
        if (there == u"file"_s)
            QVERIFY(QFile(root.filePath(u"first"_s)).open(QIODevice::WriteOnly));
        const Run run = runProgram(arguments, environment, 10000,
            asNobody ? u"exec setpriv --reuid=65534 --regid=65534 --clear-groups \"$0\" \"$@\""_s
                     : u"umask 077; exec \"$0\" \"$@\""_s);
        QCOMPARE(run.status, status);
        QVERIFY2(QRegularExpression(said).match(run.out + run.err).hasMatch(),
            qPrintable(run.out + run.err));
        QCOMPARE(QFile::exists(entry), !exec.isNull());
        if (exec.isNull())
            return;
        QFile file(entry);
        QVERIFY(file.permissions().testFlag(QFile::ReadOther));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(u"\nExec="_s + exec.arg(QStringLiteral(GAOKAO_PROGRAM)) + u'\n'),
            qPrintable(text));
        QProcess validate;
        validate.start(u"desktop-file-validate"_s, { entry });
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0 && validate.readAll().isEmpty(), "desktop-file-validate");
#endif
    }

    // A later start with the same folder shows the running copy's window and
    // ends; a copy killed or hung is taken over; of two at once, one stays.
    void oneCopyPerSettingsFolder_data()
    {
        QTest::addColumn<QString>("folder"); // the second start's; the first's is "a"
        QTest::addColumn<QString>("first"); // --fullscreen, kill, stop, racing or nothing
        QTest::addColumn<QString>("told"); // to the first when the second ends
        const QString forward = u"brought forward at another start; full screen: "_s;
        QTest::newRow("same folder") << u"b/../a/"_s << QString() << forward + u"false"_s;
        QTest::newRow("full screen stays") << u"a"_s << u"--fullscreen"_s << forward + u"true"_s;
        QTest::newRow("another folder") << u"b"_s << QString() << QString();
#ifdef Q_OS_UNIX
        QTest::newRow("first killed") << u"a"_s << u"kill"_s << QString();
        QTest::newRow("first hangs") << u"a"_s << u"stop"_s << QString();
#endif
        QTest::newRow("both at once") << u"a"_s << u"racing"_s << QString();
    }

    void oneCopyPerSettingsFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QString, first);
        QFETCH(QString, told);
        const QTemporaryDir root;
        RunningCopy one(root, u"a"_s, QStringList { first }.filter(u"--"_s));
        if (first != u"racing"_s)
            QTRY_VERIFY_WITH_TIMEOUT(one.hasWindow(), 10000);
#ifdef Q_OS_UNIX
        if (first == u"kill"_s || first == u"stop"_s)
            one.signal(first == u"kill"_s ? SIGKILL : SIGSTOP);
#endif
        RunningCopy two(root, folder);
        // At most a second for its turn, one for the answer, one to a tick.
        QTRY_VERIFY_WITH_TIMEOUT(!two.isRunning() || two.hasWindow(), 4000);
        if (first == u"racing"_s) { // which one stays is chance
            QTest::qWait(1500);
            QVERIFY(one.isRunning() != two.isRunning());
            return;
        }
        QCOMPARE(one.isRunning(), first != u"kill"_s);
        QCOMPARE(two.isRunning(), told.isEmpty());
        if (!told.isEmpty()) {
            QCOMPARE(two.process.exitCode(), 0);
            QTRY_VERIFY2(one.err().contains(told), qPrintable(one.err()));
            return;
        }
        RunningCopy three(root, folder);
        QTRY_VERIFY_WITH_TIMEOUT(!three.isRunning(), 4000);
    }

    // --quit, as an installer asks before it replaces the program: a copy
    // with the folder saves and ends the normal way; an older one only shows
    // its window, and the installer must know it still runs.
    void quitAsksTheRunningCopy_data()
    {
        QTest::addColumn<QString>("running"); // copy, none or older
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told");
        QTest::newRow("a copy runs") << u"copy"_s << 0 << u"已保存设置并退出"_s;
        QTest::newRow("none runs") << u"none"_s << 0 << u"在运行"_s;
        QTest::newRow("an older copy") << u"older"_s << 3 << u"旧版本"_s;
    }

    void quitAsksTheRunningCopy()
    {
        QFETCH(QString, running);
        QFETCH(int, status);
        QFETCH(QString, told);
        const QTemporaryDir root;
        std::optional<RunningCopy> copy;
        QLocalServer older;
        if (running == u"copy"_s) {
            copy.emplace(root, u"a"_s);
            QTRY_VERIFY_WITH_TIMEOUT(copy->hasWindow(), 10000);
        } else if (running == u"older"_s) {
            QVERIFY(older.listen(CopyEndpoint(root.filePath(u"a"_s)).serverName()));
            connect(&older, &QLocalServer::newConnection, &older,
                [&older] { older.nextPendingConnection()->write("shown\n"); });
        }
        const Run run = quitCopies(root.filePath(u"a"_s));
        const QString said = run.out + run.err;
        QCOMPARE(run.status, status);
        QVERIFY2(said.contains(told), qPrintable(said));
        if (copy) {
            QVERIFY(!copy->isRunning());
            QCOMPARE(copy->process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->process.exitCode(), 0);
        }
    }

    // --quit where a copy stopped answering (SIGSTOP) and maybe a later start
    // took the name over: what it says holds for every copy with the folder,
    // and a wait is told as long as it really was.
    void quitAfterATakeover_data()
    {
        QTest::addColumn<bool>("takenOver");
        QTest::addColumn<bool>("goesOn"); // the stopped copy, before --quit
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told"); // a pattern: the seconds are those really waited
        QTest::newRow("a copy that does not answer")
            << false << false << 3 << u"在 [12] 秒内没有回答"_s;
        QTest::newRow("taken over, then going on") << true << true << 0 << u"已保存设置并退出"_s;
        QTest::newRow("taken over, still stopped")
            << true << false << 3 << u"没有在 1[56] 秒内退出"_s;
    }

    void quitAfterATakeover()
    {
#ifndef Q_OS_UNIX
        QSKIP("a copy is stopped with SIGSTOP");
#else
        QFETCH(bool, takenOver);
        QFETCH(bool, goesOn);
        QFETCH(int, status);
        QFETCH(QString, told);
        const QTemporaryDir root;
        RunningCopy first(root, u"a"_s);
        QTRY_VERIFY_WITH_TIMEOUT(first.hasWindow(), 10000);
        first.signal(SIGSTOP);
        std::optional<RunningCopy> second;
        if (takenOver) {
            second.emplace(root, u"a"_s);
            QTRY_VERIFY_WITH_TIMEOUT(second->hasWindow(), 10000);
        }
        if (goesOn) {
            first.signal(SIGCONT);
            // Long enough for it to find the name taken.
            QTest::qWait(1500);
        }
        const Run run = quitCopies(root.filePath(u"a"_s));
        QVERIFY2(run.status == status && (run.out + run.err).contains(QRegularExpression(told)),
            qPrintable(QString::number(run.status) + u' ' + run.out + run.err));
        if (second)
            QTRY_VERIFY(!second->isRunning());
        if (goesOn)
            QTRY_VERIFY2(!first.isRunning(), qPrintable(first.err()));
        else
            QVERIFY(first.isRunning());
#endif
    }

    // The copy that --quit ends cannot save a choice made in its window (a
    // file where the preferences' folder belongs): the start says which, and
    // why, and does not end as if all were well. On X, where a key reaches
    // the window (tst_startup_x).
    void quitTellsWhatWasNotSaved()
    {
#ifndef Q_OS_UNIX
        QSKIP("the key is sent with xdotool");
#else
        if (qEnvironmentVariableIsEmpty("DISPLAY")
            || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
            QSKIP("needs X and xdotool");
        const QTemporaryDir root;
        QVERIFY(QFile(root.filePath(u"gaokao-countdown"_s)).open(QIODevice::WriteOnly));
        RunningCopy copy(root, u"a"_s, {}, { u"QT_QPA_PLATFORM=xcb"_s });
        QTRY_VERIFY_WITH_TIMEOUT(copy.hasWindow(), 10000);
        QProcess key;
        key.start(u"sh"_s,
            { u"-c"_s,
                u"xdotool windowfocus --sync $(xdotool search --sync --onlyvisible --pid %1 | "
                u"head -n 1) key F11"_s.arg(copy.process.processId()) });
        QVERIFY(key.waitForFinished(10000) && key.exitCode() == 0);
        // Its first save has failed by then, and the end's is tried again.
        QTest::qWait(1000);
        const Run run = quitCopies(root.filePath(u"a"_s), copy.process.processEnvironment());
        const QString said = run.out + run.err;
        QCOMPARE(run.status, 4);
        QVERIFY2(said.contains(u"没能保存"_s) && said.contains(u"全屏显示、全屏显示的屏幕："_s)
                && said.contains(root.filePath(u"gaokao-countdown/gaokao-countdown.ini"_s)),
            qPrintable(said));
        QTRY_VERIFY(!copy.isRunning());
        QVERIFY2(copy.err().contains(u"gaokao.preferences: 程序结束时没能保存"_s),
            qPrintable(copy.err()));
#endif
    }

    // Another user's program at the names where a start could look for the
    // running copy: in the temporary folder itself, and in the folder for
    // the user's socket, which that user made first or where the system
    // names that user as the one who answers. The start never hands over to
    // it, and shows its own window.
    void anotherUsersCopyIsNotBelieved_data()
    {
        QTest::addColumn<uint>("folderOwner");
        QTest::addColumn<uint>("folderMode");
        QTest::newRow("a folder another user made first") << 65534u << 0777u;
        QTest::newRow("another user at the name in the user's folder") << 0u << 0700u;
    }

    void anotherUsersCopyIsNotBelieved()
    {
#ifndef Q_OS_UNIX
        QSKIP("other users are tried on Unix");
#else
        if (::geteuid() != 0)
            QSKIP("only root can be another user");
        QFETCH(uint, folderOwner);
        QFETCH(uint, folderMode);
        const QTemporaryDir root;
        const QString temp = root.filePath(u"tmp"_s), own = temp + u"/gaokao-countdown-0"_s;
        QVERIFY(QDir().mkpath(own));
        QVERIFY(::chmod(QFile::encodeName(root.path()), 0755) == 0
            && ::chmod(QFile::encodeName(temp), 01777) == 0
            && ::chown(QFile::encodeName(own), folderOwner, folderOwner) == 0
            && ::chmod(QFile::encodeName(own), folderMode) == 0);
        const QString name = u'/' + CopyEndpoint::socketName(root.filePath(u"a"_s));
        const QByteArray paths[2]
            = { QFile::encodeName(temp + name), QFile::encodeName(own + name) };
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const ForkedChild squatter([&] { answerAsAnotherUser(paths, ready[1]); });
        char byte = 1;
        QCOMPARE(::read(ready[0], &byte, 1), 1);
        RunningCopy start(root, u"a"_s, {}, { u"TMPDIR="_s + temp, u"XDG_RUNTIME_DIR="_s });
        QTRY_VERIFY_WITH_TIMEOUT(!start.isRunning() || start.hasWindow(), 10000);
        QVERIFY2(start.isRunning(), qPrintable(start.err()));
        ::close(ready[0]);
        ::close(ready[1]);
#endif
    }

    // Told to end by the system (SIGTERM, as at log-out; runProgram sends it),
    // the program ends the normal way, which saves what still waits.
    void theSystemEndsItTheNormalWay()
    {
#ifndef Q_OS_UNIX
        QSKIP("SIGTERM is Unix's");
#endif
        const QTemporaryDir root;
        const Run run = runProgram({ u"--settings-dir"_s, root.filePath(u"VEKTemp"_s) },
            { u"QT_QPA_PLATFORM=offscreen"_s, u"XDG_CONFIG_HOME="_s + root.path() }, 2500);
        QCOMPARE(run.status, 0);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
