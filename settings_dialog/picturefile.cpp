// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include "filetrouble.h"
#include "picturestructure.h"
#include "picturetrouble.h"
#include "regularfile.h"

#include <QFile>
#include <QImageReader>
#include <mutex>

using namespace Qt::StringLiterals;

namespace PictureFile {

namespace {
    FileTrouble tooLarge(const QSize& size)
    {
        return PictureTrouble::tooLarge(u"%1×%2 像素，最多 %3 万像素"_s.arg(size.width())
                                            .arg(size.height())
                                            .arg(kMaxPixels / 10000));
    }

    bool beyondAllocationLimit(const QSize& size, QImage::Format format)
    {
        const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
        const qint64 bytes = qint64(size.width()) * size.height()
            * QImage::toPixelFormat(format).bitsPerPixel() / 8;
        return limit > 0 && size.isValid() && bytes > limit;
    }
}

void allowDecodingUpToTheLimit()
{
    // Qt keeps the limit in one unguarded number, read by every decoder.
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(kDecodeLimitMiB); });
}

ReadResult read(const QString& path)
{
    const auto failed = [&path](const FileTrouble& trouble) {
        return ReadResult { {}, trouble.during(FileTrouble::Operation::ReadPicture, path) };
    };
    allowDecodingUpToTheLimit();
    QFile file;
    if (const FileTrouble trouble = RegularFile::open(file, path); !trouble.isNone())
        return failed(trouble);
    if (PictureStructure::check(file) == PictureStructure::Verdict::Incomplete)
        return failed(PictureTrouble::incomplete());
    file.seek(0);
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return failed(tooLarge(size));
    QImage picture = reader.read();
    if (!picture.isNull())
        return { picture, {} };
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        return failed(PictureTrouble::notAPicture());
    case QImageReader::DeviceError:
        return failed(FileTrouble::fromSystemText(file.errorString()));
    default:
        // A picture that needs more memory than Qt allows is refused as if
        // its data were wrong.
        if (beyondAllocationLimit(size, reader.imageFormat()))
            return failed(tooLarge(size));
        // The decoder's own words say what is wrong inside the picture.
        return failed(PictureTrouble::badData(reader.errorString()));
    }
}

} // namespace PictureFile
