// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a picture file holds its whole picture, from the file's structure:
// pictures of every checked format whole, cut off, lying about their size,
// and followed by other data.
#include "picturestructure.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using Verdict = PictureStructure::Verdict;
Q_DECLARE_METATYPE(Verdict)

namespace {
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

QByteArray encoded(const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(noise(48, 32));
    return bytes;
}

// Two frames of 1 × 1 pixels, the first with a graphic control extension.
QByteArray gif()
{
    return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00"
                      "\x00\x00\x00\xff\xff\xff"
                      "\x21\xf9\x04\x00\x0a\x00\x00\x00"
                      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00"
                      ",\x00\x00\x00\x00\x01\x00\x01\x00\x80\x00\x00\x00\xff\x00\x00"
                      "\x02\x02\x44\x01\x00;",
        64);
}

// What a phone appends to a motion photo: bytes of any kind.
QByteArray video(quint32 seed)
{
    QByteArray bytes(4096, '\0');
    QRandomGenerator random(seed);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}
}

class TestPictureStructure : public QObject {
    Q_OBJECT
private slots:
    void verdict_data();
    void verdict();
};

void TestPictureStructure::verdict_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Verdict>("expected");
    const QByteArray bmp = encoded("BMP"), jpeg = encoded("JPEG"), png = encoded("PNG");
    const QByteArray progressive = encoded("JPEG", true);
    QByteArray lyingBmp = bmp;
    qToLittleEndian<quint32>(quint32(bmp.size() + 10), lyingBmp.data() + 10);
    QTest::newRow("BMP") << bmp << Verdict::Complete;
    QTest::newRow("BMP with data after it") << bmp + video(1) << Verdict::Complete;
    QTest::newRow("half a BMP") << bmp.left(bmp.size() / 2) << Verdict::Incomplete;
    QTest::newRow("BMP one byte short") << bmp.chopped(1) << Verdict::Incomplete;
    QTest::newRow("BMP pixels past the end") << lyingBmp << Verdict::Incomplete;
    QTest::newRow("BMP headers only") << bmp.left(20) << Verdict::Incomplete;
    QTest::newRow("GIF") << gif() << Verdict::Complete;
    QTest::newRow("GIF with data after it") << gif() + video(2) << Verdict::Complete;
    QTest::newRow("GIF without its trailer") << gif().chopped(1) << Verdict::Incomplete;
    QTest::newRow("half a GIF") << gif().left(40) << Verdict::Incomplete;
    QTest::newRow("JPEG") << jpeg << Verdict::Complete;
    QTest::newRow("progressive JPEG") << progressive << Verdict::Complete;
    QTest::newRow("half a progressive JPEG")
        << progressive.left(progressive.size() / 2) << Verdict::Incomplete;
    QTest::newRow("half a JPEG") << jpeg.left(jpeg.size() / 2) << Verdict::Incomplete;
    QTest::newRow("JPEG without its end marker") << jpeg.chopped(2) << Verdict::Incomplete;
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("JPEG with a motion video %u", seed)
            << jpeg + video(seed) << Verdict::Complete;
    QTest::newRow("PNG") << png << Verdict::Complete;
    QTest::newRow("half a PNG") << png.left(png.size() / 2) << Verdict::Incomplete;
    QTest::newRow("text") << QByteArray("Dear students,\n") << Verdict::Unknown;
    QTest::newRow("empty") << QByteArray() << Verdict::Unknown;
}

void TestPictureStructure::verdict()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Verdict, expected);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(PictureStructure::check(buffer), expected);
}

QTEST_GUILESS_MAIN(TestPictureStructure)
#include "tst_picturestructure.moc"
