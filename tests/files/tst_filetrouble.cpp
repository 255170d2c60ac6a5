// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetrouble.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The system's own words in a message, as each system words them.
class TestFileTrouble : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TestFileTrouble)
#include "tst_filetrouble.moc"
