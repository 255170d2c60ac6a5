// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;

// Whether a picture file holds the whole picture, judged from the file's own
// structure rather than from a decode: Qt's decoders hand back what they could
// of a cut-off file, and for BMP and GIF that includes memory the file never
// filled. The check streams through the file, skipping what it need not read,
// so its memory use is the same for a file of any size:
// - BMP: the headers and the pixel data they describe lie within the file;
// - GIF: every block and frame is there, up to the trailer;
// - JPEG: the segments run to the end-of-image marker;
// - PNG: the chunks run to the end chunk.
// Anything after the end of the picture (a phone's motion-photo video after a
// JPEG) is not looked at.
namespace PictureStructure {

enum class Verdict {
    Complete,
    Incomplete, // cut off, or its headers point past the end of the file
    Unknown, // not one of the formats above: the decoder alone decides
};

// Checks the picture from the device's start; the device must be open and
// random-access. Leaves the device's position anywhere.
Verdict check(QIODevice& device);

} // namespace PictureStructure
