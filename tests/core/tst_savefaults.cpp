// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail or die half way: afterwards the settings file is the
// complete old file or the complete new one, never anything else, and it
// still loads.
#include "atomicfile.h"
#include "autostart.h"
#include "forkedchild.h"
#include "preferences.h"
#include "settingsfile.h"
#include "settingsstore.h"
#include "tinydisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
constexpr double kNow = 41699.5;

struct Folder {
    QTemporaryDir root;
    SettingsStore store { root.filePath(u"VEKTemp"_s), [] { return kNow; } };
    QByteArray old;
    Folder()
    {
        QFile::setPermissions(root.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                | QFile::ExeOther);
        store.EnsureSettingsFile();
        old = readFile(store.filePath());
    }
    FileTrouble saveTitle(const QString& title) const
    {
        return store.SaveSettings(u"2015"_s, u"6"_s, u"7"_s, title, u"heading"_s);
    }
};
}

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolder();
    void fileSizeLimit();
    void killedAtRandomMoments();
    void fullDisk();
    void fullDiskPreferences();
    void fullDiskLoginEntry();
};

void TestSaveFaults::readOnlyFolder()
{
    Folder f;
    QVERIFY(QFile::setPermissions(
        f.store.folder(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const bool reportedFailure = runInChild(dropRootInChild, [&] {
        const FileTrouble saved = f.saveTitle(u"new"_s);
        return saved.message().contains(QDir::toNativeSeparators(f.store.filePath()))
            && saved.message().contains(u"没有访问权限"_s);
    });
    QVERIFY(reportedFailure);
    QCOMPARE(readFile(f.store.filePath()), f.old);
    QVERIFY(f.store.LoadSettings().ok());
    QCOMPARE(QDir(f.store.folder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestSaveFaults::fileSizeLimit()
{
    Folder f;
    const QString longTitle(20000, u'长');
    const bool reportedFailure = runInChild(
        [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { 1024, 1024 };
            setrlimit(RLIMIT_FSIZE, &limit);
        },
        [&] { return f.saveTitle(longTitle).kind() == FileTrouble::Kind::FileSizeLimit; });
    QVERIFY(reportedFailure);
    QCOMPARE(readFile(f.store.filePath()), f.old);
    QVERIFY(f.store.LoadSettings().ok());
}

void TestSaveFaults::killedAtRandomMoments()
{
    Folder f;
    // The child saves two versions in turn until it is killed.
    QVERIFY(f.saveTitle(u"A"_s).isNone());
    const QByteArray a = readFile(f.store.filePath());
    QVERIFY(f.saveTitle(QString(3000, u'B')).isNone());
    const QByteArray b = readFile(f.store.filePath());

    // The kills land within about two pairs of saves, however long a save
    // takes on this machine at this moment (a busy one makes them slower).
    QElapsedTimer timed;
    timed.start();
    for (int i = 0; i < 10; ++i)
        (void)f.saveTitle(i % 2 ? u"A"_s : QString(3000, u'B'));
    const quint32 killWithinUs
        = quint32(std::max<qint64>(3000, timed.nsecsElapsed() / 1000 * 4 / 10));
    QRandomGenerator random(20261207);
    int seenA = 0, seenB = 0;
    for (int round = 0; round < 200; ++round) {
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            close(ready[0]);
            for (int i = 0;; ++i) {
                (void)f.saveTitle(i % 2 ? u"A"_s : QString(3000, u'B'));
                if (i == 0 && write(ready[1], "!", 1) != 1)
                    _exit(1);
            }
        }
        close(ready[1]);
        // Wait until the child is saving, then kill it at a random moment.
        char byte = 0;
        QCOMPARE(read(ready[0], &byte, 1), ssize_t(1));
        close(ready[0]);
        usleep(useconds_t(random.bounded(killWithinUs)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        const QByteArray now = readFile(f.store.filePath());
        QVERIFY2(
            now == a || now == b, qPrintable(u"round %1: %2 bytes"_s.arg(round).arg(now.size())));
        QVERIFY(f.store.LoadSettings().ok());
        (now == a ? seenA : seenB) += 1;
    }
    // The kills did land among the saves, not before the first one.
    QVERIFY2(seenA > 10 && seenB > 10, qPrintable(u"A %1, B %2"_s.arg(seenA).arg(seenB)));
    const QStringList left = QDir(f.store.folder()).entryList(QDir::Files | QDir::Hidden);
    QVERIFY(left.contains(SettingsStore::fileName()));
    QVERIFY2(left.size() <= 1 + seenA + seenB, qPrintable(left.join(u' ')));
    for (const QString& name : left) {
        if (name == SettingsStore::fileName())
            continue;
        QVERIFY2(AtomicFile::isTemporaryCopy(name, SettingsStore::fileName()), qPrintable(name));
        const QByteArray bytes = readFile(QDir(f.store.folder()).filePath(name));
        QVERIFY2(a.startsWith(bytes) || b.startsWith(bytes), qPrintable(name));
    }
}

// A real full file system, filled up after the first start.
void TestSaveFaults::fullDisk()
{
    QTemporaryDir mountPoint;
    enum Step { Ok, FirstStart = 10, Saved, Reason, Changed, Unreadable, Leftovers, HalfStart };
    const int step = TinyDisk::run(mountPoint.path(), [&] {
        const SettingsStore store(mountPoint.filePath(u"VEKTemp"_s), [] { return kNow; });
        store.EnsureSettingsFile();
        const QByteArray old = readFile(store.filePath());
        if (!store.LoadSettings().ok())
            return FirstStart;
        TinyDisk::fill(mountPoint.path());
        const FileTrouble saved = store.SaveSettings(u"2015"_s, u"6"_s, u"7"_s, u"new"_s, u"h"_s);
        if (saved.isNone())
            return Saved;
        if (saved.kind() != FileTrouble::Kind::DiskFull || saved.path() != store.filePath())
            return Reason;
        if (readFile(store.filePath()) != old)
            return Changed;
        if (!store.LoadSettings().ok())
            return Unreadable;
        if (QDir(store.folder()).entryList(QDir::Files | QDir::Hidden).size() != 1)
            return Leftovers;
        // A first start on the full disk leaves nothing behind, not even the
        // folder, so that the next start writes the defaults.
        const SettingsStore fresh(mountPoint.filePath(u"Fresh"_s), [] { return kNow; });
        fresh.EnsureSettingsFile();
        if (QFileInfo::exists(fresh.folder()))
            return HalfStart;
        return Ok;
    });
    SKIP_WITHOUT_TINY_DISK(step);
    const char* steps[] = { "a first start on the empty disk failed", "the save reported success",
        "the message does not name the file and a full disk", "the old file changed",
        "the old file no longer loads", "the temporary file was left behind",
        "a first start on the full disk left its folder" };
    QVERIFY2(
        step == Ok, step >= FirstStart && step <= HalfStart ? steps[step - FirstStart] : "crashed");
}

// The program's own choices on a full disk: the one that cannot be written is
// reported, and the file keeps those it had.
void TestSaveFaults::fullDiskPreferences()
{
    QTemporaryDir mountPoint;
    const int status = TinyDisk::run(mountPoint.path(), [&] {
        const Preferences preferences(mountPoint.filePath(u"gaokao-countdown.ini"_s));
        if (!preferences.setValue(Preferences::Choice::StayOnTop, true).isNone())
            return 10;
        const QByteArray old = readFile(preferences.filePath());
        // Room for Qt's lock file, none for the new file.
        TinyDisk::fill(mountPoint.path(), 1);
        if (preferences.setValue(Preferences::Choice::FullScreen, true).kind()
            != FileTrouble::Kind::DiskFull)
            return 11;
        if (readFile(preferences.filePath()) != old)
            return 12;
        return Preferences(preferences.filePath()).value(Preferences::Choice::StayOnTop) ? 0 : 13;
    });
    SKIP_WITHOUT_TINY_DISK(status);
    QCOMPARE(status, 0);
}

// Switching on the login entry on a full disk says why it failed and leaves
// no empty entry that would look switched on.
void TestSaveFaults::fullDiskLoginEntry()
{
    QTemporaryDir mountPoint;
    const int status = TinyDisk::run(mountPoint.path(), [&] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(mountPoint.path()));
        const Autostart autostart(
            u"org.example.Test"_s, { QCoreApplication::applicationFilePath() });
        QDir().mkpath(mountPoint.filePath(u"autostart"_s));
        TinyDisk::fill(mountPoint.path());
        if (autostart.setEnabled(true).kind() != FileTrouble::Kind::DiskFull)
            return 10;
        return autostart.isEnabled() ? 11 : 0;
    });
    SKIP_WITHOUT_TINY_DISK(status);
    QCOMPARE(status, 0);
}

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
