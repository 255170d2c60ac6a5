// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingstext.h"

#include "filetext.h"

using namespace Qt::StringLiterals;

namespace {
constexpr char kEndOfFile = 0x1A;

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
    using FileText::Encoding;
    QList<Line> decoded;
    const Encoding encoding
        = FileText::detect(lines.join('\n')) == Encoding::Utf8 ? Encoding::Utf8 : Encoding::Gb18030;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const FileText::Decoded text = FileText::decode(lines[i], encoding);
        Line line { text.text, text.replaced };
        line.text = printable(line.text, line.replaced);
        decoded.append(line);
    }
    return decoded;
}
