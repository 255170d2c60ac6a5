// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files as the dialog reads them: whatever the file is, the read
// neither waits on it nor fills memory, takes a whole picture whatever comes
// after it, and refuses the rest with a reason in the program's words.
#include "picturefile.h"
#include "procmemory.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <future>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasureMemory = false; // the sanitizers' shadow memory swells the peak
#else
constexpr bool kMeasureMemory = true;
#endif

QByteArray encoded(const char* format, QSize size = { 64, 48 })
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A 16-bit PNG of 5000 × 5000 pixels: within the pixel limit, 200 MB decoded.
QByteArray deepPng()
{
    QImage image(5000, 5000, QImage::Format_RGBA64);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A GIF of `width` × `height` pixels in 256 greys, its image data written as
// plain 9-bit LZW codes: a clear code before every 250 pixels keeps the code
// size from growing.
QByteArray gif(int width, int height)
{
    QByteArray gif("GIF89a");
    const auto u16 = [&gif](int value) {
        gif += char(value & 0xff);
        gif += char(value >> 8);
    };
    u16(width);
    u16(height);
    gif += QByteArray("\xf7\x00\x00", 3);
    for (int i = 0; i < 256; ++i)
        gif += QByteArray(3, char(i));
    gif += ',';
    u16(0);
    u16(0);
    u16(width);
    u16(height);
    gif += QByteArray("\x00\x08", 2);
    QByteArray codes;
    quint32 pending = 0;
    int bits = 0;
    const auto put = [&](quint32 code) {
        pending |= code << bits;
        for (bits += 9; bits >= 8; bits -= 8, pending >>= 8)
            codes += char(pending & 0xff);
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 250 == 0)
            put(256);
        put((i * 7) & 0xff);
    }
    put(257);
    if (bits > 0)
        codes += char(pending & 0xff);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size()) + block;
    }
    return gif + QByteArray("\x00;", 2);
}
}

class TestPictureFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void read_data();
    void read();
    void jpegFollowedByAGibibyteOfZeros();

private:
    QTemporaryDir m_dir;
};

void TestPictureFile::initTestCase()
{
    const QByteArray bmp = encoded("BMP"), jpeg = encoded("JPEG");
    QByteArray lyingBmp = bmp;
    qToLittleEndian<quint32>(quint32(bmp.size() + 4096), lyingBmp.data() + 10);
    QByteArray motionPhoto = jpeg;
    for (int i = 0; i < 64; ++i) // the markers a byte search would trip over
        motionPhoto += QByteArray("\xFF\xDA\x00\x08mp4 data\xFF\xD8\xFF") + QByteArray::number(i);
    QByteArray claimsHuge = jpeg; // the frame header says 10000 × 10000
    const qsizetype frame = claimsHuge.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);
    qToBigEndian<quint16>(10000, claimsHuge.data() + frame + 5);
    qToBigEndian<quint16>(10000, claimsHuge.data() + frame + 7);
    const QList<std::pair<QString, QByteArray>> files {
        { u"whole.bmp"_s, bmp },
        { u"half.bmp"_s, bmp.left(bmp.size() / 2) },
        { u"lying.bmp"_s, lyingBmp },
        { u"whole.gif"_s, gif(200, 150) },
        { u"half.gif"_s, gif(200, 150).left(15000) },
        { u"motion.jpg"_s, motionPhoto },
        { u"huge.jpg"_s, claimsHuge },
        { u"text.jpg"_s, "Dear students,\n" },
        { u"deep.png"_s, deepPng() },
    };
    for (const auto& [name, bytes] : files) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
#ifdef Q_OS_UNIX // Windows has no named pipes in its folders
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(u"pipe.jpg"_s)).constData(), 0600), 0);
#endif
    QVERIFY(QDir(m_dir.path()).mkdir(u"folder.jpg"_s));
}

void TestPictureFile::read_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("why"); // empty: the picture is read
    QTest::newRow("whole BMP") << u"whole.bmp"_s << QString();
    QTest::newRow("half a BMP") << u"half.bmp"_s << u"文件不完整"_s;
    QTest::newRow("BMP pixels past the end") << u"lying.bmp"_s << u"文件不完整"_s;
    QTest::newRow("whole GIF") << u"whole.gif"_s << QString();
    QTest::newRow("half a GIF") << u"half.gif"_s << u"文件不完整"_s;
    QTest::newRow("JPEG with a motion video after it") << u"motion.jpg"_s << QString();
    QTest::newRow("16-bit, within the pixel limit") << u"deep.png"_s << QString();
    QTest::newRow("too many pixels") << u"huge.jpg"_s << u"图片太大"_s;
    QTest::newRow("text") << u"text.jpg"_s << u"这不是图片"_s;
    QTest::newRow("missing") << u"missing.jpg"_s << u"文件不存在"_s;
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe") << u"pipe.jpg"_s << u"不是普通文件"_s;
#endif
    QTest::newRow("folder") << u"folder.jpg"_s << u"不是普通文件"_s;
}

void TestPictureFile::read()
{
    QFETCH(QString, file);
    QFETCH(QString, why);
    const QString path = m_dir.filePath(file);
    std::promise<PictureFile::ReadResult> done;
    std::thread reader([&] { done.set_value(PictureFile::read(path)); });
    auto answer = done.get_future();
    const bool answered = answer.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
#ifdef Q_OS_UNIX
    if (!answered) // let a reader waiting on the pipe go
        ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
#endif
    reader.join();
    QVERIFY2(answered, "the read waited on something that is not a file");
    const PictureFile::ReadResult result = answer.get();
    QVERIFY2(why.isEmpty() ? result.trouble.isNone() : result.trouble.message().contains(why),
        qPrintable(result.trouble.message()));
    QCOMPARE(result.ok(), why.isEmpty());
}

void TestPictureFile::jpegFollowedByAGibibyteOfZeros()
{
    const QString path = m_dir.filePath(u"zeros.jpg"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(encoded("JPEG", { 640, 480 }));
        QVERIFY(file.resize(file.size() + (qint64(1) << 30))); // sparse: no disk space used
    }
    resetPeakResident();
    QElapsedTimer timer;
    timer.start();
    const PictureFile::ReadResult result = PictureFile::read(path);
    QVERIFY2(result.ok(), qPrintable(result.trouble.message()));
    QCOMPARE(result.picture.size(), QSize(640, 480));
    QVERIFY2(
        timer.elapsed() < 2000, "the check reads to the end-of-image marker, not the file's end");
    const qint64 peak = peakResidentKiB();
    if (kMeasureMemory && peak >= 0)
        QVERIFY2(peak < 300 * 1024, qPrintable(u"peak %1 MiB"_s.arg(peak / 1024)));
    QFile::remove(path);
}

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
