// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bad picture files chosen in the settings dialog: each one is refused with a
// message that names it, the main window keeps the picture it had, and no
// file makes the program's memory balloon, whatever size its header claims.
#include "fontsubstitutes.h"
#include "mainwindowfixture.h"
#include "messageboxanswer.h"
#include "picturebox.h"
#include "procmemory.h"
#include "settingsdialogopener.h"
#include "settingsfile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's shadow memory and quarantine swell the resident size.
constexpr bool kMeasureMemory = false;
#else
constexpr bool kMeasureMemory = true;
#endif
constexpr qint64 kPeakLimitKiB = 300 * 1024;
constexpr int kClaimed = 30000; // pixels each way, as the bad headers say

// A GIF whose screen and only image both claim kClaimed × kClaimed pixels,
// followed by a few pixels of image data.
QByteArray hugeGif()
{
    QByteArray gif("GIF89a");
    const auto u16 = [&gif](int value) {
        gif.append(char(value & 0xff));
        gif.append(char(value >> 8));
    };
    u16(kClaimed);
    u16(kClaimed);
    gif.append("\x80\x00\x00", 3); // a global table of two colours
    gif.append("\x00\x00\x00\xff\xff\xff", 6);
    gif.append(',');
    u16(0);
    u16(0);
    u16(kClaimed);
    u16(kClaimed);
    gif.append('\0');
    gif.append("\x02\x02\x44\x01\x00", 5); // LZW, one block: clear, a pixel, end
    gif.append(';');
    return gif;
}

// A 24-bit BMP whose header claims kClaimed × kClaimed pixels, followed by
// one row of them.
QByteArray hugeBmp()
{
    QByteArray bmp(14 + 40 + kClaimed * 3, '\0');
    char* p = bmp.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bmp.size()), p + 2); // file size
    qToLittleEndian<quint32>(14 + 40, p + 10); // offset of the pixels
    qToLittleEndian<quint32>(40, p + 14); // size of the info header
    qToLittleEndian<qint32>(kClaimed, p + 18); // width
    qToLittleEndian<qint32>(kClaimed, p + 22); // height, bottom-up
    qToLittleEndian<quint16>(1, p + 26); // planes
    qToLittleEndian<quint16>(24, p + 28); // bits per pixel
    return bmp; // no compression, image size 0: both allowed for 24 bits
}

// A photograph-like JPEG of some size, cut off in the middle of its picture
// data.
QByteArray truncatedJpeg()
{
    QImage noise(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000u);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    noise.save(&buffer, "JPEG", 90);
    return jpeg.left(jpeg.size() / 2);
}
}

class TestBadPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void refusedAndOldPictureKept_data();
    void refusedAndOldPictureKept();
    void ticksGoOnWhileAHugeFileIsRead();

private:
    // Opens the dialog and chooses `path` with its picture button; a
    // MessageBoxAnswer made before the call answers the box that comes.
    void choosePicture(const QString& path);

    QTemporaryDir m_pictures;
    std::unique_ptr<MainWindowFixture> m_fixture;
    Form1* m_form = nullptr;
};

void TestBadPictures::initTestCase()
{
    installFontSubstitutes();
    // The memory budget below holds only with Qt's own limit on decoding
    // (128 MB in Qt 6.4, 256 MB from 6.5 on) in force.
    QVERIFY(QImageReader::allocationLimit() > 0 && QImageReader::allocationLimit() <= 256);
    QVERIFY(m_pictures.isValid());
    writeFile(m_pictures.filePath(u"empty.jpg"_s), QByteArray());
    writeFile(m_pictures.filePath(u"text.jpg"_s), "Dear students,\nthe exam starts at 9:00.\n");
    writeFile(m_pictures.filePath(u"truncated.jpg"_s), truncatedJpeg());
    writeFile(m_pictures.filePath(u"huge.gif"_s), hugeGif());
    writeFile(m_pictures.filePath(u"huge.bmp"_s), hugeBmp());
    QImage green(40, 30, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(green.save(m_pictures.filePath(u"green.bmp"_s)));
}

void TestBadPictures::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_form = &m_fixture->form;
    m_form->Timer1->stop();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestBadPictures::cleanup() { m_fixture.reset(); }

void TestBadPictures::choosePicture(const QString& path)
{
    openSettingsDialog(*m_form, [&](Form2& d) {
        d.setFileChooser([path] { return path; });
        d.Comimg->click();
        QTRY_VERIFY_WITH_TIMEOUT(!d.isWorking(), 100'000);
    });
}

void TestBadPictures::refusedAndOldPictureKept_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("chosenBefore"); // the old picture: chosen, or the built-in one
    const QStringList files { u"empty.jpg"_s, u"text.jpg"_s, u"truncated.jpg"_s, u"huge.gif"_s,
        u"huge.bmp"_s };
    for (const QString& file : files) {
        QTest::addRow("%s over the built-in picture", qPrintable(file)) << file << false;
        QTest::addRow("%s over a chosen picture", qPrintable(file)) << file << true;
    }
}

void TestBadPictures::refusedAndOldPictureKept()
{
    QFETCH(QString, file);
    QFETCH(bool, chosenBefore);
    if (chosenBefore) {
        MessageBoxAnswer none;
        choosePicture(m_pictures.filePath(u"green.bmp"_s));
        QCOMPARE(none.title, QString());
        QCOMPARE(m_form->Image1->picture().size(), QSize(40, 30));
    }
    QTRY_VERIFY(!m_form->Image1->picture().isNull());
    const QImage before = m_form->Image1->picture();

    const QString path = m_pictures.filePath(file);
    resetPeakResident();
    MessageBoxAnswer answer;
    choosePicture(path);
    const qint64 peakKiB = peakResidentKiB();

    QVERIFY2(answer.isCriticalOk(), qPrintable(answer.title + u' ' + answer.text));
    QVERIFY2(answer.text.startsWith(u"无法读取图片文件“%1”"_s.arg(QDir::toNativeSeparators(path))),
        qPrintable(answer.text));
    QCOMPARE(m_form->Image1->picture(), before);

    if (kMeasureMemory && peakKiB >= 0)
        QVERIFY2(peakKiB < kPeakLimitKiB, qPrintable(u"peak %1 MiB"_s.arg(peakKiB / 1024)));
}

// A JPEG whose picture data runs on for 1 GiB of zeros is read to its end,
// looking for the end-of-image marker; the window ticks on meanwhile.
void TestBadPictures::ticksGoOnWhileAHugeFileIsRead()
{
    const QString path = m_pictures.filePath(u"endless.jpg"_s);
    {
        const QByteArray jpeg = truncatedJpeg();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jpeg.left(jpeg.indexOf("\xFF\xDA") + 64));
        QVERIFY(file.resize(file.size() + (qint64(1) << 30))); // sparse: no disk used
    }
    int ticks = 0;
    connect(m_form->Timer1, &QTimer::timeout, this, [&] { ++ticks; });
    m_form->Timer1->start(0);
    resetPeakResident();
    MessageBoxAnswer answer;
    QElapsedTimer elapsed;
    elapsed.start();
    choosePicture(path);
    const qint64 seconds = elapsed.elapsed() / 1000;
    const qint64 peakKiB = peakResidentKiB();
    QFile::remove(path);
    QVERIFY2(answer.text.contains(u"文件不完整"_s), qPrintable(answer.text));
    // One tick at once, then one each second of the wall clock.
    QVERIFY2(ticks >= qMax<qint64>(1, seconds),
        qPrintable(u"%1 ticks in %2 s"_s.arg(ticks).arg(seconds)));
    if (kMeasureMemory && peakKiB >= 0)
        QVERIFY2(peakKiB < kPeakLimitKiB, qPrintable(u"peak %1 MiB"_s.arg(peakKiB / 1024)));
}

QTEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
