#pragma once

#include <QImage>
#include <QString>

// Reads a picture file chosen by the user, whole or not at all. Qt's decoders
// give back what they could of a JPEG cut off in the middle, its lower part
// grey; such a file counts as unreadable here, like a missing file, a file
// that is no picture, or one too large to decode within Qt's memory limit.
namespace PictureFile {

// The picture, or a null image with the reason in `why`.
QImage read(const QString& path, QString* why);

} // namespace PictureFile
