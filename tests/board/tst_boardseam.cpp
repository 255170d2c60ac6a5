// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "offscreenscreen.h"

#include "board.h"

#include <QApplication>
#include <QBackingStore>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Screens in their own pixels, scaled by Qt as on X11 at 225 % and 300 %: 768
// rows at 225 % are 341.3 of the program's pixels, 640 columns at 300 % 213.3.
const QList<OffscreenScreen> kScreens = { { { 1366, 768 } }, { { 640, 480 } } };
constexpr const char* kScales = "2.25;3";
}

class TestBoardSeam : public QObject {
    Q_OBJECT
private slots:
    // The board's own picture reaches the screen's last row and column:
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
        QScreen* onScreen = QGuiApplication::screens().value(screen);
        QVERIFY(onScreen);
        const QSize native = kScreens[screen].size;
        Board board(onScreen, {});
        board.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QVERIFY(QTest::qWaitFor([&] { return !board.geometry().isEmpty(); }));
        board.repaint();
        // The window's picture in the screen's own pixels.
        const auto* picture = dynamic_cast<const QImage*>(board.backingStore()->paintDevice());
        QVERIFY(picture);
        const QImage shot = *picture;
        QVERIFY2(shot.width() >= native.width() && shot.height() >= native.height(),
            qPrintable(u"%1 × %2"_s.arg(shot.width()).arg(shot.height())));
        const QColor background = board.theme().background;
        for (const QPoint corner : { QPoint(native.width() - 1, native.height() - 1),
                 QPoint(0, native.height() - 1), QPoint(native.width() - 1, 0) })
            QCOMPARE(shot.pixelColor(corner), background);
    }
};

int main(int argc, char* argv[])
{
    useOffscreenScreens(kScreens);
    qputenv("QT_SCREEN_SCALE_FACTORS", kScales);
    QApplication app(argc, argv);
    TestBoardSeam test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardseam.moc"
