// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingstext.h"

#include "textcodec.h"

#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";
constexpr char kEndOfFile = 0x1A;
constexpr char kEuro = char(0x80);

// Stateless: a character cut off at the line's end is an error too.
constexpr auto kStrict = QStringConverter::Flag::Stateless;

bool isUtf8(const QList<QByteArray>& lines)
{
    if (lines.value(0).startsWith(kUtf8Bom))
        return true;
    const QByteArray all = lines.join('\n');
    if (std::all_of(all.cbegin(), all.cend(), [](char c) { return uchar(c) < 0x80; }))
        return false; // ASCII is the same in both; GB18030 keeps the old reading
    QStringDecoder decoder(QStringConverter::Utf8, kStrict);
    const QString text = decoder.decode(all); // decodes only once made a QString
    return !decoder.hasError();
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
    // Made once: every tick reads the file.
    static const TextCodec gb18030(SettingsText::kEncoding);
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
            // A character cut off by the line's end: the decoder would drop
            // it without a trace.
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

// Control characters (but tab), private-use and unassigned code points are
// no text: they show as U+FFFD, which says so where a blank or an empty box
// would not.
bool isShown(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
        return c == U'\t';
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
        return false;
    default:
        return true;
    }
}

QString printable(const QString& text, bool& replaced)
{
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const bool ok = isShown(c);
        replaced = replaced || !ok;
        shown += ok ? QStringView(QChar::fromUcs4(c)) : QStringView(u"\uFFFD");
    }
    return shown;
}
} // namespace

void SettingsText::dropEndOfFileMark(QByteArray& bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && (bytes[end - 1] == '\r' || bytes[end - 1] == '\n'))
        --end;
    if (end > 0 && bytes[end - 1] == kEndOfFile)
        bytes.remove(end - 1, 1);
}

QList<SettingsText::Line> SettingsText::decode(const QList<QByteArray>& lines)
{
    QList<Line> decoded;
    const bool utf8 = isUtf8(lines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArrayView bytes = lines[i];
        Line line;
        if (utf8) {
            if (i == 0 && bytes.startsWith(kUtf8Bom))
                bytes = bytes.sliced(kUtf8Bom.size());
            QStringDecoder decoder(QStringConverter::Utf8, kStrict);
            line.text = decoder.decode(bytes);
            line.replaced = decoder.hasError();
        } else {
            line.text = decodeGb18030(bytes, line.replaced);
        }
        line.text = printable(line.text, line.replaced);
        decoded.append(line);
    }
    return decoded;
}
