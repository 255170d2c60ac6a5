// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture completeness check, on any bytes: never a crash, never a read
// outside them, and a whole picture stays whole whatever follows it.
#include "picturestructure.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {
PictureStructure::Verdict verdictOf(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        std::abort();
    return PictureStructure::check(buffer);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A deep copy: QBuffer must not see past `size`.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (verdictOf(bytes) == PictureStructure::Verdict::Complete
        && verdictOf(bytes + QByteArray("\xFF\xD8\xFF\x00 trailing data", 18))
            != PictureStructure::Verdict::Complete)
        std::abort();
    return 0;
}
