// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyendpoint.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Makes `path` as a row asks: the user's own (0700), open to others (0755),
// another user's, or a link to a folder of the user's own.
bool make(const QString& path, const QString& what)
{
    const QByteArray name = QFile::encodeName(path);
    if (what == u"link"_s)
        return ::mkdir(name + ".target", 0700) == 0 && ::symlink(name + ".target", name) == 0;
    return what.isEmpty()
        || (::mkdir(name, 0700) == 0 && ::chmod(name, what == u"open"_s ? 0755 : 0700) == 0
            && (what != u"another's"_s || ::chown(name, 65534, 65534) == 0));
}

uint modeOf(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path), &status) == 0 ? status.st_mode & 07777 : 0;
}
}

// Where the one-copy socket goes: a folder no other user can make names in,
// or none.
class TestCopyEndpoint : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("TMPDIR");
    }

    void onlyTheUsersOwnFolder_data()
    {
        QTest::addColumn<QString>("runtime"); // $XDG_RUNTIME_DIR, unset when null
        QTest::addColumn<QString>("own"); // gaokao-countdown-<uid> in the temporary folder
        QTest::addColumn<QString>("used");
        const QString none, own = u"own"_s, runtime = u"runtime"_s;
        QTest::newRow("the runtime folder") << own << none << runtime;
        QTest::newRow("a runtime folder open to others") << u"open"_s << none << own;
        QTest::newRow("another user's runtime folder") << u"another's"_s << none << own;
        QTest::newRow("a runtime folder too deep for a socket")
            << u"deep"_s.repeated(30) << none << own;
        QTest::newRow("none: the own folder is made") << none << none << own;
        QTest::newRow("the own folder open, closed again") << none << u"open"_s << own;
        QTest::newRow("the own folder made by another user") << none << u"another's"_s << none;
        QTest::newRow("a link in the own folder's place") << none << u"link"_s << none;
    }

    void onlyTheUsersOwnFolder()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, own);
        QFETCH(QString, used);
        if (::geteuid() != 0 && (runtime == u"another's"_s || own == u"another's"_s))
            QSKIP("only root can make another user's folder");
        const QTemporaryDir root;
        const QString temp = root.filePath(u"tmp"_s);
        QString runtimePath = root.filePath(u"run"_s);
        const QString ownPath = temp + u"/gaokao-countdown-"_s + QString::number(::geteuid());
        QVERIFY(QDir().mkpath(temp));
        if (runtime.startsWith(u"deep"_s)) {
            runtimePath = root.filePath(runtime);
            runtime = u"own"_s;
        }
        QVERIFY(make(runtimePath, runtime) && make(ownPath, own));
        if (!runtime.isNull())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimePath));
        qputenv("TMPDIR", QFile::encodeName(temp));
        const QString settings = u"/srv/班级"_s;
        const CopyEndpoint endpoint(settings);
        const QString folder = used == u"runtime"_s ? runtimePath
            : used == u"own"_s                      ? ownPath
                                                    : used;
        QCOMPARE(endpoint.isUsable(), !folder.isNull());
        if (folder.isNull()) {
            QVERIFY2(endpoint.trouble().contains(ownPath), qPrintable(endpoint.trouble()));
            return;
        }
        QCOMPARE(endpoint.serverName(), folder + u'/' + CopyEndpoint::socketName(settings));
        QCOMPARE(modeOf(folder), 0700u);
    }
};

QTEST_GUILESS_MAIN(TestCopyEndpoint)
#include "tst_copyendpoint.moc"
