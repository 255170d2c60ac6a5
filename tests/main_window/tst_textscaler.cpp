// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textscaler.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextScaler : public QObject {
    Q_OBJECT
private slots:
    void factorIsTheSmallerRatio_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<qreal>("factor");
        // The main window's design size is 859 × 533.
        QTest::newRow("design size") << QSizeF(859, 533) << 1.0;
        QTest::newRow("1920 × 1080: height limits") << QSizeF(1920, 1080) << 1080.0 / 533;
        QTest::newRow("1280 × 720: height limits") << QSizeF(1280, 720) << 720.0 / 533;
        QTest::newRow("portrait: width limits") << QSizeF(1080, 1920) << 1080.0 / 859;
        QTest::newRow("smaller") << QSizeF(430, 400) << 430.0 / 859;
        QTest::newRow("no width") << QSizeF(0, 533) << 1.0;
        QTest::newRow("not a number") << QSizeF(qQNaN(), 533) << 1.0;
    }

    void factorIsTheSmallerRatio()
    {
        QFETCH(QSizeF, size);
        QFETCH(qreal, factor);
        QCOMPARE(TextScaler::factorFor(size, QSizeF(859, 533)), factor);
        QCOMPARE(TextScaler::factorFor(size, QSizeF()), 1.0);
    }

    void fontsGrowByTheFactorAndComeBackExactly_data()
    {
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<qreal>("pointSize");
        QTest::newRow("grow") << 1080.0 / 533 << 26.25 * 1080.0 / 533;
        QTest::newRow("shrink") << 0.5 << 13.125;
        QTest::newRow("one") << 1.0 << 26.25;
        QTest::newRow("zero") << 0.0 << 26.25;
        QTest::newRow("infinite") << qInf() << 26.25;
    }

    void fontsGrowByTheFactorAndComeBackExactly()
    {
        QFETCH(qreal, factor);
        QFETCH(qreal, pointSize);
        QFont design(u"黑体"_s);
        design.setPointSizeF(26.25);
        design.setBold(true);
        const QFont grown = TextScaler::scaledFont(design, factor);
        QCOMPARE(grown.pointSizeF(), pointSize);
        QCOMPARE(grown.family(), design.family());
        QVERIFY(grown.bold());
        // Going back is the design font itself, not a size divided back.
        QCOMPARE(TextScaler::scaledFont(grown, 1), grown);
    }
};

QTEST_MAIN(TestTextScaler)
#include "tst_textscaler.moc"
