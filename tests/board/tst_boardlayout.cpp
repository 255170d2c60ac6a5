// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "offscreenscreen.h"

#include "board.h"
#include "boardtext.h"
#include "fontsubstitutes.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using BoardLayout::Part;

namespace {
// 16:9, 16:10, 4:3, 21:9, and a 3840 × 2160 panel at 225 %.
const QList<OffscreenScreen> kScreens = { { { 1920, 1080 } }, { { 1920, 1200 } },
    { { 1600, 1200 } }, { { 2560, 1080 } }, { { 1707, 960 }, 2.25 } };

BoardContent content(const char* big, const QString& title = u"某某中学 2027届"_s)
{
    BoardContent c;
    c.title = title;
    c.heading = u"距2027年高考 还 有"_s;
    c.big = QString::fromUtf8(big);
    c.bigAfter = c.big.front().isDigit() ? u"天"_s : QString();
    c.detail = c.big.front().isDigit() ? QString() : u"还剩 0:14:59"_s;
    c.urgent = true;
    c.target = u"2027年6月7日 星期一 9:00"_s;
    c.now = u"2026年12月8日 星期二 14:03:27"_s;
    return c;
}

QScreen* screenOf(const OffscreenScreen& wanted)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->size() == wanted.size && screen->devicePixelRatio() == wanted.dpr)
            return screen;
    return nullptr;
}

// The rows and columns of `area` where the ink differs from the background.
QRect inkIn(const QImage& image, const QRect& area, QColor background)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                    + std::abs(c.blue() - background.blue())
                > 96)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

double luminance(QColor c)
{
    const auto channel
        = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
}

class TestBoardLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    // Every text's ink against its least height, in the device's pixels; no
    // text touches the edge of its part, and no two parts meet.
    void readableOnEveryScreen_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<BoardContent>("content");
        QTest::addColumn<int>("titleLines");
        QTest::addColumn<QString>("motto");
        const QString longTitle = QString(70, u'高');
        for (int i = 0; i < kScreens.size(); ++i) {
            const QByteArray name = QScreen::tr("%1").arg(i).toUtf8();
            QTest::newRow(name + " days") << i << content("181") << 1 << u"天道酬勤"_s;
            QTest::newRow(name + " a subject") << i << content("思想政治") << 1 << QString();
            QTest::newRow(name + " a long title")
                << i << content("1234", longTitle) << 2 << u"天道酬勤"_s;
            // Every part at its longest: the motto keeps to one line.
            QTest::newRow(name + " everything long")
                << i << content("思想政治", longTitle) << 2 << QString(40, u'勤');
        }
    }

    void readableOnEveryScreen()
    {
        QFETCH(int, screen);
        QFETCH(BoardContent, content);
        BoardOptions options;
        QFETCH(QString, motto);
        options.motto = motto;
        QScreen* onScreen = screenOf(kScreens[screen]);
        QVERIFY(onScreen);
        Board board(onScreen, options);
        board.setContent(content);
        board.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QCOMPARE(board.size(), onScreen->size());
        const QImage image = board.grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        QCOMPARE(dpr, kScreens[screen].dpr);
        const qreal height = board.height() * dpr;
        const auto device = [&](const QRectF& r) {
            return QRectF(r.topLeft() * dpr, r.size() * dpr).toAlignedRect() & image.rect();
        };

        QList<QRect> parts;
        for (int i = 0; i < BoardLayout::kParts; ++i) {
            const BoardText* part = board.part(Part(i));
            QVERIFY2(part->isVisible()
                    != ((i == int(Part::Detail) && content.detail.isEmpty())
                        || (i == int(Part::Motto) && motto.isEmpty())),
                qPrintable(part->objectName()));
            if (!part->isVisible())
                continue;
            QCOMPARE(part->accessibleName(), part->text());
            const QRect area = device(part->geometry());
            const QRect ink = inkIn(image, area, board.theme().background);
            QVERIFY2(area.adjusted(1, 1, -1, -1).contains(ink), qPrintable(part->objectName()));
            for (const QRect& other : std::as_const(parts))
                QVERIFY2(!other.intersects(area), qPrintable(part->objectName()));
            parts << area;
            const QList<QRectF> runs = part->runRects();
            QStringList texts;
            for (const BoardLine& line : part->lines())
                for (const BoardRun& run : line.runs)
                    texts << run.text;
            for (qsizetype r = 0; r < runs.size(); ++r) {
                // A subject's name shrinks to the board's width; the words
                // beside the days' number are as small as any other text.
                const QString& text = texts[r];
                qreal least = BoardLayout::minimumShare(Part(i));
                if (i == int(Part::Days))
                    least = text.front().isDigit() ? BoardLayout::kDigitsShare
                        : runs.size() > 1          ? BoardLayout::minimumShare(Part::Now)
                                                   : 0.0;
                const QRect runInk = inkIn(
                    image, device(runs[r].translated(part->pos())), board.theme().background);
                QVERIFY2(runInk.height() >= least * height,
                    qPrintable(u"%1 run %2: %3 < %4"_s.arg(part->objectName())
                                   .arg(r)
                                   .arg(runInk.height())
                                   .arg(least * height)));
            }
        }
        QFETCH(int, titleLines);
        QCOMPARE(board.part(Part::Title)->lines().size(), titleLines);
        QCOMPARE(board.part(Part::Title)->text().endsWith(u'…'), titleLines == 2);
    }

    void contrastOfBothThemes()
    {
        for (const auto theme : { BoardOptions::Theme::Dark, BoardOptions::Theme::Red }) {
            const BoardTheme colours = BoardTheme::of(theme);
            for (const QColor& text : { colours.text, colours.big, colours.urgent }) {
                const double a = luminance(text) + 0.05;
                const double b = luminance(colours.background) + 0.05;
                QVERIFY2(std::max(a, b) / std::min(a, b) >= 7, qPrintable(text.name()));
            }
        }
    }
};

int main(int argc, char* argv[])
{
    useOffscreenScreens(kScreens);
    QApplication app(argc, argv);
    TestBoardLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardlayout.moc"
