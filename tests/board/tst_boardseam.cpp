// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "offscreenscreen.h"

#include "board.h"

#include <QApplication>
#include <QBackingStore>
#include <QTest>

// Screens in their own pixels, scaled by Qt as on X11 at 225 % and 300 %: 768
// rows at 225 % are 341.3 of the program's pixels, 640 columns at 300 % 213.3.
const QList<OffscreenScreen> kScreens = { { { 1366, 768 } }, { { 640, 480 } } };

class TestBoardSeam : public QObject {
    Q_OBJECT
private slots:
    // The board's own picture reaches the screen's last row and column (its
    // last pixel is the board's):
    // nothing of the window under it shows at its edge.
    void coversTheLastPixel_data()
    {
        QTest::addColumn<int>("screen");
        QTest::newRow("1366 × 768 at 225 %") << 0;
        QTest::newRow("640 × 480 at 300 %") << 1;
    }

    void coversTheLastPixel()
    {
        QFETCH(int, screen);
        const QSize native = kScreens[screen].size;
        Board board(QGuiApplication::screens().value(screen), {});
        board.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.repaint();
        // The window's picture in the screen's own pixels.
        const auto* picture = dynamic_cast<const QImage*>(board.backingStore()->paintDevice());
        QVERIFY(picture);
        QVERIFY(picture->width() >= native.width() && picture->height() >= native.height());
        QCOMPARE(
            picture->pixelColor(native.width() - 1, native.height() - 1), board.theme().background);
    }
};

int main(int argc, char* argv[])
{
    useOffscreenScreens(kScreens);
    qputenv("QT_SCREEN_SCALE_FACTORS", "2.25;3");
    QApplication app(argc, argv);
    TestBoardSeam test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardseam.moc"
