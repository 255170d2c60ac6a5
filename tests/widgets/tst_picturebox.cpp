// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"
#include "settingsfile.h"
#include "workpool.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

class TestPictureBox : public QObject {
    Q_OBJECT
private slots:
    void stretchesWithoutKeepingTheAspectRatio_data();
    void stretchesWithoutKeepingTheAspectRatio();
    void nullPictureShowsWhatIsBehind();
    void pictureFromAFile();
    void aFileThatDoesNotAnswerIsNotWaitedFor();
};

namespace {
// Left half red, right half blue, top row green.
QImage quarters()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 4; ++y)
        for (int x = 2; x < 4; ++x)
            image.setPixelColor(x, y, Qt::blue);
    for (int x = 0; x < 4; ++x)
        image.setPixelColor(x, 0, Qt::green);
    return image;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40
        && qAbs(a.blue() - b.blue()) < 40;
}
}

void TestPictureBox::stretchesWithoutKeepingTheAspectRatio_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("settled");
    QTest::newRow("wide, while resizing") << QSize(400, 40) << false;
    QTest::newRow("wide, settled") << QSize(400, 40) << true;
    QTest::newRow("tall, settled") << QSize(40, 400) << true;
}

void TestPictureBox::stretchesWithoutKeepingTheAspectRatio()
{
    QFETCH(QSize, size);
    QFETCH(bool, settled);
    QWidget window;
    window.resize(500, 500);
    PictureBox box(&window);
    box.setPicture(quarters());
    box.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box.grab(); // the first paint makes the smooth copy for 100 × 100
    box.resize(size);
    if (settled)
        QTest::qWait(PictureBox::kSettleMs + 100);
    const QImage shown = box.grab().toImage();
    const int w = size.width(), h = size.height();
    QVERIFY(near(shown.pixelColor(w / 8, h / 8 * 7), Qt::red));
    QVERIFY(near(shown.pixelColor(w / 8 * 7, h / 8 * 7), Qt::blue));
    QVERIFY(near(shown.pixelColor(w / 2 - w / 8, h / 16), Qt::green));
}

void TestPictureBox::nullPictureShowsWhatIsBehind()
{
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette white;
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    window.resize(100, 100);
    PictureBox box(&window);
    box.setPicture(quarters());
    box.setPicture(QImage());
    box.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.grab().toImage().pixelColor(50, 50), QColor(Qt::white));
}

// Decoded on another thread, shown as if given directly; a picture given
// while the file is still being decoded wins over it.
void TestPictureBox::pictureFromAFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"quarters.png"_s);
    QVERIFY(quarters().save(path));
    PictureBox box;
    box.resize(400, 40);
    box.setPictureFile(path);
    QTRY_COMPARE(box.picture(), quarters());
    const QImage shown = box.grab().toImage();
    QVERIFY(near(shown.pixelColor(50, 35), Qt::red));
    QVERIFY(near(shown.pixelColor(350, 35), Qt::blue));
    QVERIFY(box.testAttribute(Qt::WA_OpaquePaintEvent));

    box.setPictureFile(path);
    box.setPicture(QImage());
    box.setPictureFile(folder.filePath(u"missing.png"_s));
    QVERIFY(WorkPool::instance()->waitForDone(10'000));
    QCoreApplication::sendPostedEvents();
    QVERIFY(box.picture().isNull());
}

// A file that does not answer (a named pipe no one writes to yet) leaves the
// box empty meanwhile: the window's thread never waits for a decoding.
void TestPictureBox::aFileThatDoesNotAnswerIsNotWaitedFor()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    const QString path = folder.filePath(u"stalled.png"_s);
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    PictureBox box;
    box.resize(40, 40);
    box.setPictureFile(path);
    QVERIFY(box.picture().isNull());
    box.grab();

    QBuffer png;
    QVERIFY(quarters().save(&png, "PNG"));
    writeFile(path, png.data());
    QTRY_COMPARE(box.picture(), quarters());
#else
    QSKIP("Named pipes are a Unix thing");
#endif
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
