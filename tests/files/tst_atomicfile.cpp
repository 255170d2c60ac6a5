// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"
#include "settingsfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

// A save while somebody reads the old file, as the board does each second:
// Windows would refuse the rename for that moment.
class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void aReaderOfTheOldFile_data()
    {
        QTest::addColumn<int>("readMs");
        QTest::addColumn<bool>("saved");
        QTest::newRow("for a moment") << 150 << true;
        // Windows keeps a file that stays open; other systems replace it.
#ifdef Q_OS_WIN
        QTest::newRow("throughout") << -1 << false;
#else
        QTest::newRow("throughout") << -1 << true;
#endif
    }
    void aReaderOfTheOldFile()
    {
        QFETCH(int, readMs);
        QFETCH(bool, saved);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"data.txt"_s);
        writeFile(path, "old");
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        std::jthread closer;
        if (readMs >= 0) {
            closer = std::jthread([&reader, readMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(readMs));
                reader.close();
            });
        }
        const FileTrouble trouble = AtomicFile::replace(path, "new");
        QCOMPARE(trouble.isNone(), saved);
        closer = {};
        reader.close();
        QCOMPARE(readFile(path), saved ? "new" : "old");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), { u"data.txt"_s });
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
