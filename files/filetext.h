// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text of a file that a person may have written with whatever editor was
// at hand: Notepad saves UTF-8 with or without a byte-order mark, "Unicode"
// (UTF-16LE with a mark) or, on Chinese Windows, "ANSI", which is GBK;
// PowerShell 5's ">" writes UTF-16LE. Both of the program's own files are
// read through it, the settings file "data.txt" and the preferences file, so
// they are taken the same way whatever wrote them.
namespace FileText {

enum class Encoding { Utf8, Utf16LE, Utf16BE, Gb18030 };

// GB18030 named for Qt's converters (and ICU's on Windows). It is
// byte-identical to GBK for every GBK character and can still hold every
// other character, so nothing typed turns into "?".
inline constexpr char kGb18030Name[] = "GB18030";

// The encoding of a file that starts with `bytes`: the byte-order mark's, if
// any; else UTF-8 when the bytes are valid UTF-8 and either plain ASCII or
// hold a character of three or four bytes, as every Chinese character in
// UTF-8 is; else GB18030. Bytes that are valid UTF-8 with only two-byte
// characters count as GB18030 too: GBK's Chinese characters often form such
// pairs, so that 一模 in GBK would read as һģ.
Encoding detect(QByteArrayView bytes);

struct Decoded {
    QString text;
    bool replaced = false; // some bytes were no character and became U+FFFD
};

// `bytes` in `encoding`, without a byte-order mark at their start. GB18030 is
// read as Chinese Windows writes it, where a lone 0x80 is the euro sign; a
// character cut off at the end counts as replaced.
Decoded decode(QByteArrayView bytes, Encoding encoding);

// `text` in `encoding`, without a byte-order mark; empty when there is no
// converter for it (see TextCodec).
QByteArray encode(QStringView text, Encoding encoding);

} // namespace FileText
