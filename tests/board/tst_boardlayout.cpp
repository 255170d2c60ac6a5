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
// 16:9, 16:10, 4:3, 21:9, a 3840 × 2160 panel at 225 %, a screen turned
// upright, 32:9, and 640 × 480 at 300 %.
const QList<OffscreenScreen> kScreens
    = { { { 1920, 1080 } }, { { 1920, 1200 } }, { { 1600, 1200 } }, { { 2560, 1080 } },
          { { 1707, 960 }, 2.25 }, { { 1080, 1920 } }, { { 3840, 1080 } }, { { 213, 160 }, 3 } };

BoardContent content(const char* big, const QString& title = u"某某中学 2027届"_s)
{
    BoardContent c;
    c.title = title;
    c.big = QString::fromUtf8(big);
    c.now = u"现在 2027年6月7日 星期一 11:45:01"_s;
    if (c.big.contains(u':')) {
        c.phase = BoardContent::Phase::During;
        c.heading = u"思想政治 14:30–15:45"_s;
        c.bigBefore = u"还剩"_s;
        c.detail = u"高考第 3 天"_s;
        c.urgent = true;
        c.target = u"今天还有 生物学 17:00"_s;
        return c;
    }
    c.phase = BoardContent::Phase::Days;
    c.heading = u"距2027年高考 还 有"_s;
    c.bigAfter = u"天"_s;
    c.target = u"高考 2027年6月7日 星期一 9:00"_s;
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

// The height of the ink of each run of a part, in the device's pixels, of its
// line alone (the ink of these texts reaches 0.15 of their size below it).
QList<int> runInks(const Board& board, const QImage& image, Part which)
{
    const BoardText* part = board.part(which);
    const qreal dpr = image.devicePixelRatio();
    const QList<QRectF> runs = part->runRects();
    QList<int> heights;
    qreal above = -1e9;
    for (const BoardLine& line : part->lines()) {
        for (const BoardRun& run : line.runs) {
            QRectF r = runs[heights.size()].translated(part->pos());
            r.setTop(std::max(r.top(), part->y() + above));
            r.setBottom(part->y() + line.baseline + 0.15 * run.font.pixelSize());
            const QRect device = QRectF(r.topLeft() * dpr, r.size() * dpr).toAlignedRect();
            heights << inkIn(image, device & image.rect(),
                part->background().isValid() ? part->background() : board.theme().background)
                           .height();
        }
        above = line.baseline + 0.15 * line.runs.first().font.pixelSize();
    }
    return heights;
}
}

class TestBoardLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    // Every text's ink against its least height in the device's pixels (20,
    // 8 and 6 % for the time left, subject and clock during one); no text
    // touches the edge of its part, and no two parts meet.
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
            QTest::newRow(name + " a subject") << i << content("0:14:59") << 1 << QString();
            QTest::newRow(name + " a long title")
                << i << content("1234", longTitle) << 2 << u"天道酬勤"_s;
            // Every part at its longest: the motto keeps to one line.
            QTest::newRow(name + " everything long")
                << i << content("0:14:59", longTitle) << 2 << QString(40, u'勤');
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
        QVERIFY(board.geometry().contains(onScreen->geometry()));
        const QImage image = board.grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        QCOMPARE(dpr, kScreens[screen].dpr);
        const qreal height = BoardLayout::laidOutHeight(board.size()) * dpr;
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
            const QRect ink = inkIn(image, area,
                part->background().isValid() ? part->background() : board.theme().background);
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
                if (content.urgent && i == int(Part::Heading))
                    least = BoardLayout::kExamHeadingShare;
                if (content.urgent && i == int(Part::Now))
                    least = BoardLayout::kExamNowShare;
                if (i == int(Part::Days))
                    least = !text.front().isDigit() ? BoardLayout::minimumShare(Part::Now)
                        : content.urgent            ? 0.20
                                                    : BoardLayout::kDigitsShare;
                const int runInk = runInks(board, image, Part(i))[r];
                QVERIFY2(runInk >= least * height,
                    qPrintable(u"%1 run %2: %3 < %4"_s.arg(part->objectName())
                                   .arg(r)
                                   .arg(runInk)
                                   .arg(least * height)));
            }
        }
        // During a subject the time left is the largest text, then the
        // subject and its times, then the clock.
        if (content.urgent) {
            const QList<int> heading = runInks(board, image, Part::Heading);
            const QList<int> now = runInks(board, image, Part::Now);
            const int headingInk = *std::max_element(heading.begin(), heading.end());
            QVERIFY(runInks(board, image, Part::Days).last() > headingInk);
            QVERIFY(headingInk > *std::max_element(now.begin(), now.end()));
        }
        // The clock and the target's line never lose a character.
        for (const Part part : { Part::Now, Part::Target })
            QCOMPARE(board.part(part)->text().remove(u' '),
                QString(part == Part::Now ? content.now : content.target).remove(u' '));
        // A title too long for one line goes on two, or as the parts need
        // the height on one; only a title that does not fit ends in ….
        const BoardText* title = board.part(Part::Title);
        QFETCH(int, titleLines);
        QVERIFY(title->lines().size() <= titleLines);
        if (!title->text().endsWith(u'…'))
            QCOMPARE(title->text().remove(u' '), QString(content.title).remove(u' '));
    }

    void contrastOfBothThemes()
    {
        for (const auto theme : { BoardOptions::Theme::Dark, BoardOptions::Theme::Red }) {
            const BoardTheme colours = BoardTheme::of(theme);
            // The last minutes in a red that reads against what is behind it.
            const QColor behind
                = colours.urgentBand.isValid() ? colours.urgentBand : colours.background;
            for (const auto& [text, back, least] :
                { std::tuple { colours.text, colours.background, 7.0 },
                    { colours.big, colours.background, 7.0 }, { colours.urgent, behind, 4.5 } }) {
                const double a = luminance(text) + 0.05;
                const double b = luminance(back) + 0.05;
                QVERIFY2(std::max(a, b) / std::min(a, b) >= least, qPrintable(text.name()));
            }
            const int hue = colours.urgent.hslHue();
            QVERIFY((hue <= 10 || hue >= 350) && colours.urgent.hslSaturation() > 200);
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
