// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturestructure.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>

namespace PictureStructure {

namespace {
    using enum Verdict;

    // Bytes of the device from a moving offset, read a chunk at a time.
    // Skipping moves the offset without reading; reading past the end fails.
    class Bytes {
    public:
        explicit Bytes(QIODevice& device)
            : m_device(device)
            , m_size(device.size())
        {
        }

        qint64 size() const { return m_size; }
        qint64 offset() const { return m_offset; }
        bool skip(qint64 count)
        {
            if (count < 0 || count > m_size - m_offset)
                return false;
            m_offset += count;
            return true;
        }
        bool byte(uchar* value)
        {
            if (!fill())
                return false;
            *value = uchar(m_chunk[m_offset - m_chunkStart]);
            ++m_offset;
            return true;
        }
        // Big- or little-endian unsigned values of 2 or 4 bytes.
        template <typename T> bool big(T* value) { return number(value, true); }
        template <typename T> bool little(T* value) { return number(value, false); }
        // Moves to the next 0xFF byte and past it.
        bool pastNextFF()
        {
            while (fill()) {
                const qsizetype at = m_offset - m_chunkStart;
                const void* found
                    = std::memchr(m_chunk.constData() + at, 0xFF, m_chunk.size() - at);
                if (found) {
                    m_offset = m_chunkStart
                        + (static_cast<const char*>(found) - m_chunk.constData()) + 1;
                    return true;
                }
                m_offset = m_chunkStart + m_chunk.size();
            }
            return false;
        }

    private:
        static constexpr qint64 kChunk = 64 * 1024;

        bool fill()
        {
            if (m_offset >= m_chunkStart && m_offset < m_chunkStart + m_chunk.size())
                return true;
            if (m_offset >= m_size || !m_device.seek(m_offset))
                return false;
            m_chunkStart = m_offset;
            m_chunk = m_device.read(kChunk);
            return !m_chunk.isEmpty();
        }
        template <typename T> bool number(T* value, bool bigEndian)
        {
            uchar bytes[sizeof(T)];
            for (uchar& b : bytes)
                if (!byte(&b))
                    return false;
            *value = bigEndian ? qFromBigEndian<T>(bytes) : qFromLittleEndian<T>(bytes);
            return true;
        }

        QIODevice& m_device;
        const qint64 m_size;
        qint64 m_offset = 0;
        qint64 m_chunkStart = 0;
        QByteArray m_chunk;
    };

    Verdict checkBmp(Bytes& in)
    {
        quint32 offBits = 0, headerSize = 0;
        if (!in.skip(10) || !in.little(&offBits) || !in.little(&headerSize))
            return Incomplete;
        qint64 width = 0, height = 0;
        quint16 bitCount = 0;
        quint32 compression = 0, imageSize = 0;
        if (headerSize == 12) { // the old OS/2 header
            quint16 w = 0, h = 0;
            if (!in.little(&w) || !in.little(&h) || !in.skip(2) || !in.little(&bitCount))
                return Incomplete;
            width = w;
            height = h;
        } else if (headerSize >= 40) {
            qint32 w = 0, h = 0;
            if (!in.little(&w) || !in.little(&h) || !in.skip(2) || !in.little(&bitCount)
                || !in.little(&compression) || !in.little(&imageSize))
                return Incomplete;
            width = w;
            height = h < 0 ? -qint64(h) : h;
        } else {
            return Unknown; // a header this check does not know
        }
        // Headers and colour table come before the pixels, and the pixels
        // within the file.
        const qint64 headersEnd = 14 + qint64(headerSize);
        if (headersEnd > in.size() || offBits < headersEnd || offBits >= in.size())
            return Incomplete;
        const qint64 pixelBytes = in.size() - offBits;
        enum { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
        if (compression == Rgb || compression == BitFields || compression == AlphaBitFields) {
            if (width <= 0 || height <= 0 || bitCount == 0 || bitCount > 64)
                return Unknown; // nothing to show: the decoder refuses it
            const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
            return height <= pixelBytes / rowBytes ? Complete : Incomplete;
        }
        // Compressed pixels: the size the header gives must be there.
        return imageSize <= pixelBytes ? Complete : Incomplete;
    }

    bool skipGifSubBlocks(Bytes& in)
    {
        for (uchar length = 0;;) {
            if (!in.byte(&length))
                return false;
            if (length == 0)
                return true;
            if (!in.skip(length))
                return false;
        }
    }

    bool skipGifColourTable(Bytes& in, uchar flags)
    {
        return !(flags & 0x80) || in.skip(3 * (qint64(2) << (flags & 7)));
    }

    Verdict checkGif(Bytes& in)
    {
        uchar flags = 0;
        if (!in.skip(10) || !in.byte(&flags) || !in.skip(2) || !skipGifColourTable(in, flags))
            return Incomplete;
        for (uchar block = 0;;) {
            if (!in.byte(&block))
                return Incomplete;
            switch (block) {
            case 0x21: // an extension: its label, then sub-blocks
                if (!in.skip(1) || !skipGifSubBlocks(in))
                    return Incomplete;
                break;
            case 0x2C: // a frame: position, size, flags, colours, code size, data
                if (!in.skip(8) || !in.byte(&flags) || !skipGifColourTable(in, flags) || !in.skip(1)
                    || !skipGifSubBlocks(in))
                    return Incomplete;
                break;
            case 0x3B: // the trailer
                return Complete;
            default:
                return Incomplete;
            }
        }
    }

    Verdict checkJpeg(Bytes& in)
    {
        in.skip(2); // the start-of-image marker
        uchar marker = 0;
        // Bytes between segments are not allowed, but decoders skip them.
        while (in.pastNextFF()) {
            do {
                if (!in.byte(&marker))
                    return Incomplete;
            } while (marker == 0xFF); // fill bytes
            if (marker == 0xD9) // end of image
                return Complete;
            if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
                continue; // no length follows
            quint16 length = 0;
            if (!in.big(&length) || length < 2 || !in.skip(length - 2))
                return Incomplete;
            // After a scan header the compressed data runs to the next marker;
            // in it 0xFF is followed only by 0x00 or a restart marker, which
            // the loop above passes over.
        }
        return Incomplete;
    }

    Verdict checkPng(Bytes& in)
    {
        in.skip(8); // the signature
        for (;;) {
            quint32 length = 0, type = 0;
            if (!in.big(&length) || !in.big(&type) || length > 0x7FFFFFFFu
                || !in.skip(qint64(length) + 4))
                return Incomplete;
            if (type == 0x49454E44u) // IEND
                return Complete;
        }
    }
}

Verdict check(QIODevice& device)
{
    if (!device.seek(0))
        return Unknown;
    const QByteArray start = device.peek(8);
    Bytes in(device);
    if (start.startsWith("BM"))
        return checkBmp(in);
    if (start.startsWith("GIF87a") || start.startsWith("GIF89a"))
        return checkGif(in);
    if (start.startsWith("\xFF\xD8\xFF"))
        return checkJpeg(in);
    if (start.startsWith("\x89PNG\r\n\x1A\n"))
        return checkPng(in);
    return Unknown;
}

} // namespace PictureStructure
