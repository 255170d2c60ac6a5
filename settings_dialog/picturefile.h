// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

#include <QImage>
#include <QString>

// Reads a picture file chosen by the user, whole or not at all. Only a
// regular file is opened, and never in a way that waits (see RegularFile); a
// file whose structure says it is cut off or lies about its size counts as
// unreadable (see PictureStructure), and so does a picture with more pixels
// than the program shows within its memory budget, told before decoding.
namespace PictureFile {

// The most pixels a picture may have: 25 million, 100 MB decoded, a 24-megapixel
// camera's full size with room to spare.
inline constexpr qint64 kMaxPixels = 25'000'000;

// The memory Qt's decoders may take for one picture, in MiB: the most pixels
// at 8 bytes each, what a 16-bit picture decodes to.
inline constexpr int kDecodeLimitMiB = int((kMaxPixels * 8 + (1 << 20) - 1) >> 20);

// Lets Qt decode every picture up to that limit, the window's as well as the
// dialog's: Qt's own is lower. Call before any picture is read.
void allowDecodingUpToTheLimit();

// The outcome of reading a picture file: the picture, or a null image and
// why it could not be read.
struct [[nodiscard]] ReadResult {
    QImage picture;
    FileTrouble trouble;

    bool ok() const { return !picture.isNull(); }
};

ReadResult read(const QString& path);

} // namespace PictureFile
