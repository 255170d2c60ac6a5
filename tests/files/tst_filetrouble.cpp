// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"
#include "filetrouble.h"
#include "settingsfile.h"

#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

using namespace Qt::StringLiterals;

class TestFileTrouble : public QObject {
    Q_OBJECT
private slots:
    // The system's own words in a message, as each system words them.
    void systemTextEndsTheMessageOnce_data()
    {
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<QString>("text");
        QTest::newRow("Linux") << u"Input/output error"_s << u"系统提示：Input/output error"_s;
        QTest::newRow("Chinese Windows")
            << u"系统找不到指定的路径。\r\n"_s << u"系统提示：系统找不到指定的路径"_s;
        QTest::newRow("English Windows")
            << u"The system cannot find the path specified.\r\n"_s
            << u"系统提示：The system cannot find the path specified"_s;
    }

    void systemTextEndsTheMessageOnce()
    {
        QFETCH(QString, systemText);
        QFETCH(QString, text);
        QCOMPARE(FileTrouble::fromSystemText(systemText).text(), text);
    }

    // The trouble of a save while somebody reads the old file, as the board
    // does each second: Windows refuses the rename for that moment.
    void aSaveWhileTheOldFileIsRead_data()
    {
        QTest::addColumn<int>("readMs");
        QTest::addColumn<bool>("saved");
        QTest::newRow("for a moment") << 150 << true;
        // Windows keeps a file that stays open; other systems replace it.
        QTest::newRow("throughout") << -1 << (QSysInfo::productType() != "windows"_L1);
    }
    void aSaveWhileTheOldFileIsRead()
    {
        QFETCH(int, readMs);
        QFETCH(bool, saved);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"data.txt"_s);
        writeFile(path, "old");
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        std::jthread closer([&reader, readMs] {
            if (readMs >= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(readMs));
                reader.close();
            }
        });
        QCOMPARE(AtomicFile::replace(path, "new").isNone(), saved);
        closer.join();
        QCOMPARE(readFile(path), saved ? "new" : "old");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), { u"data.txt"_s });
    }
};

QTEST_GUILESS_MAIN(TestFileTrouble)
#include "tst_filetrouble.moc"
