#include "picturefile.h"

#include <QFile>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace PictureFile {

namespace {
    // A JPEG ends its last scan with the end-of-image marker. Inside the
    // compressed data 0xFF is always followed by 0x00 or a restart marker, so
    // the markers cannot be mistaken for picture data.
    bool isCutOffJpeg(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return true;
        const QByteArray bytes = file.readAll();
        if (!bytes.startsWith("\xFF\xD8\xFF"))
            return false;
        const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA");
        return lastScan < 0 || bytes.indexOf("\xFF\xD9", lastScan) < 0;
    }
}

ReadResult read(const QString& path)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        return { {}, reader.errorString() };
    if (isCutOffJpeg(path))
        return { {}, u"文件不完整，图片只读出了一部分"_s };
    return { picture, {} };
}

} // namespace PictureFile
