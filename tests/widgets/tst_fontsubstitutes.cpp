// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a title holds draws as characters, not as boxes, in each font of
// the layout: its Chinese through the fonts that stand in, and characters
// that none of them has (﷽, U+FDFD) through an installed font that has them.
#include "controldesign.h"
#include "fontsubstitutes.h"

#include <QGlyphRun>
#include <QTest>
#include <QTextLayout>

using namespace Qt::StringLiterals;

class TestFontSubstitutes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void noBoxes_data();
    void noBoxes();
};

void TestFontSubstitutes::noBoxes_data()
{
    QTest::addColumn<QString>("family");
    for (const QString& family : { LayoutFonts::kHeiti, LayoutFonts::kLishu,
             LayoutFonts::kKaitiGb2312, LayoutFonts::kXinwei, LayoutFonts::kSongti })
        QTest::newRow(qPrintable(family)) << family;
}

void TestFontSubstitutes::noBoxes()
{
    QFETCH(QString, family);
    const QString text = u"距高考"_s + QString(40, QChar(0xFDFD));
    QTextLayout layout(text, designFont(family, 26.25));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // Glyph 0 is the box a font draws for a character it lacks.
    for (const QGlyphRun& run : layout.glyphRuns())
        QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(run.rawFont().familyName()));
}

QTEST_MAIN(TestFontSubstitutes)
#include "tst_fontsubstitutes.moc"
