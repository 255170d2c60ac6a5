#include "picturefile.h"

#include "filetrouble.h"
#include "picturestructure.h"
#include "regularfile.h"

#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QThread>
#include <memory>

using namespace Qt::StringLiterals;

namespace PictureFile {

namespace {
    QString tooLarge(const QSize& size)
    {
        return u"%1（%2×%3 像素，最多 %4 万像素）"_s
            .arg(FileTrouble(FileTrouble::Kind::TooLarge).text())
            .arg(size.width())
            .arg(size.height())
            .arg(kMaxPixels / 10000);
    }
}

QImage read(const QString& path, QString* why)
{
    QFile file;
    if (const FileTrouble trouble = RegularFile::open(file, path); !trouble.isNone()) {
        *why = trouble.text();
        return {};
    }
    if (PictureStructure::check(file) == PictureStructure::Verdict::Incomplete) {
        *why = FileTrouble(FileTrouble::Kind::Incomplete).text();
        return {};
    }
    file.seek(0);
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        *why = tooLarge(size);
        return {};
    }
    QImage picture = reader.read();
    if (!picture.isNull())
        return picture;
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        *why = FileTrouble(FileTrouble::Kind::NotAPicture).text();
        break;
    case QImageReader::DeviceError:
        *why = FileTrouble::fromSystemText(file.errorString()).text();
        break;
    default:
        // The decoder's own words say what is wrong inside the picture.
        *why = u"图片数据有误（%1）"_s.arg(reader.errorString());
        break;
    }
    return {};
}

QImage readWhileTicking(const QString& path, QString* why)
{
    QImage picture;
    QString reason;
    QEventLoop loop;
    // The worker writes only these locals, which outlive it: the loop waits
    // for it to finish, and wait() below makes its writes visible here.
    std::unique_ptr<QThread> worker(
        QThread::create([&picture, &reason, path] { picture = read(path, &reason); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    QGuiApplication::restoreOverrideCursor();
    *why = reason;
    return picture;
}

} // namespace PictureFile
