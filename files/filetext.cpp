// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetext.h"

#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {
using FileText::Encoding;

constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";
constexpr QByteArrayView kUtf16LEBom = "\xFF\xFE";
constexpr QByteArrayView kUtf16BEBom = "\xFE\xFF";
constexpr char kEuro = char(0x80);

// Stateless: a character cut off at the end is an error too.
constexpr auto kStrict = QStringConverter::Flag::Stateless;

// Whether `bytes` are valid UTF-8 that holds a character of three or four
// bytes, or no character beyond ASCII.
bool isPlainlyUtf8(QByteArrayView bytes)
{
    bool longCharacter = false;
    bool beyondAscii = false;
    for (const char c : bytes) {
        beyondAscii = beyondAscii || uchar(c) >= 0x80;
        longCharacter = longCharacter || uchar(c) >= 0xE0;
    }
    if (!beyondAscii)
        return true;
    QStringDecoder decoder(QStringConverter::Utf8, kStrict);
    const QString text = decoder.decode(bytes); // decodes only once made a QString
    return longCharacter && !decoder.hasError();
}

// How many bytes the GB18030 character starting at `at` takes, by its form
// alone (1, 2 or 4); the decoder judges whether it is a character at all.
qsizetype gb18030Length(QByteArrayView bytes, qsizetype at)
{
    const uchar lead = bytes[at];
    if (lead < 0x81 || lead == 0xFF)
        return 1;
    if (at + 1 >= bytes.size())
        return 2;
    const uchar next = bytes[at + 1];
    return next >= 0x30 && next <= 0x39 ? 4 : 2;
}

// GB18030 as Chinese Windows writes it: a lone 0x80 is the euro sign there,
// and no character of GB18030 at all.
QString decodeGb18030(QByteArrayView bytes, bool& replaced)
{
    // Made once: every tick reads the settings file.
    static const TextCodec gb18030(FileText::kGb18030Name);
    QString text;
    const auto decodeRun = [&](QByteArrayView run) {
        bool error = false;
        text += gb18030.decode(run, &error);
        replaced = replaced || error;
    };
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = gb18030Length(bytes, at);
        if (bytes[at] == kEuro || at + length > bytes.size()) {
            decodeRun(bytes.sliced(start, at - start));
            if (bytes[at] == kEuro) {
                text += u'€';
                start = at += 1;
                continue;
            }
            // A character cut off by the end: the decoder would drop it
            // without a trace.
            text += QChar::ReplacementCharacter;
            replaced = true;
            start = at = bytes.size();
            break;
        }
        at += length;
    }
    decodeRun(bytes.sliced(start));
    return text;
}

// Qt's UTF-16 decoder takes half a surrogate pair as it stands, and an odd
// last byte without saying so.
QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding, bool& replaced)
{
    QStringDecoder decoder(encoding, kStrict);
    QString text = decoder.decode(bytes);
    replaced = bytes.size() % 2 != 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
            replaced = true;
        }
    }
    return text;
}
} // namespace

Encoding FileText::detect(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return Encoding::Utf8;
    if (bytes.startsWith(kUtf16LEBom))
        return Encoding::Utf16LE;
    if (bytes.startsWith(kUtf16BEBom))
        return Encoding::Utf16BE;
    return isPlainlyUtf8(bytes) ? Encoding::Utf8 : Encoding::Gb18030;
}

FileText::Decoded FileText::decode(QByteArrayView bytes, Encoding encoding)
{
    Decoded decoded;
    switch (encoding) {
    case Encoding::Utf8: {
        if (bytes.startsWith(kUtf8Bom))
            bytes = bytes.sliced(kUtf8Bom.size());
        QStringDecoder decoder(QStringConverter::Utf8, kStrict);
        decoded.text = decoder.decode(bytes);
        decoded.replaced = decoder.hasError();
        break;
    }
    case Encoding::Utf16LE:
        if (bytes.startsWith(kUtf16LEBom))
            bytes = bytes.sliced(kUtf16LEBom.size());
        decoded.text = decodeUtf16(bytes, QStringConverter::Utf16LE, decoded.replaced);
        break;
    case Encoding::Utf16BE:
        if (bytes.startsWith(kUtf16BEBom))
            bytes = bytes.sliced(kUtf16BEBom.size());
        decoded.text = decodeUtf16(bytes, QStringConverter::Utf16BE, decoded.replaced);
        break;
    case Encoding::Gb18030:
        decoded.text = decodeGb18030(bytes, decoded.replaced);
        break;
    }
    return decoded;
}

QByteArray FileText::encode(QStringView text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf16LE:
        return QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case Encoding::Utf16BE:
        return QStringEncoder(QStringConverter::Utf16BE).encode(text);
    case Encoding::Gb18030: {
        static const TextCodec gb18030(kGb18030Name);
        return gb18030.encode(text);
    }
    }
    Q_UNREACHABLE();
}
