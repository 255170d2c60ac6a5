#pragma once

#include <QImage>
#include <QString>

// Reads a picture file chosen by the user, whole or not at all. Qt's decoders
// give back what they could of a JPEG cut off in the middle, its lower part
// grey; such a file counts as unreadable here, like a missing file, a file
// that is no picture, or one too large to decode within Qt's memory limit.
namespace PictureFile {

// The outcome of reading a picture file: the picture, or a null image and
// why it could not be read, in the user's language.
struct [[nodiscard]] ReadResult {
    QImage picture;
    QString error;

    bool ok() const { return !picture.isNull(); }
};

ReadResult read(const QString& path);

} // namespace PictureFile
