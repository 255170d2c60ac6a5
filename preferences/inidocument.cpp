// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "inidocument.h"

#include "regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;
using FileText::Encoding;

namespace {
// Fifty countdowns take some 13 kB; a file a school's tool wrote with 300 of
// them, 80 kB. A file beyond this is read no further, and never written.
constexpr qint64 kMaxBytes = 1024 * 1024;
const QString kMaxSize = u"1 MiB"_s;

bool isUtf16(Encoding encoding)
{
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

// Where each line of `bytes` ends, its line feed included: a byte of its own
// in UTF-8 and GB18030, a unit of two bytes in UTF-16.
std::vector<qsizetype> lineEnds(QByteArrayView bytes, Encoding encoding)
{
    std::vector<qsizetype> ends;
    if (isUtf16(encoding)) {
        const bool le = encoding == Encoding::Utf16LE;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            if (bytes[i + (le ? 0 : 1)] == '\n' && bytes[i + (le ? 1 : 0)] == 0)
                ends.push_back(i + 2);
    } else {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\n')
                ends.push_back(i + 1);
    }
    return ends;
}

// A group's name as the file gives it, lower case; "General" is no group.
QString groupOf(QStringView header)
{
    QString name = header.trimmed().toString().toLower();
    return name == u"general"_s ? QString() : name;
}

// A file's key "1\Title" as "1/Title".
QString keyOf(QStringView text)
{
    QString key = text.trimmed().toString();
    key.replace(u'\\', u'/');
    QStringList parts = key.split(u'/');
    for (QString& part : parts)
        part = part.trimmed();
    return parts.join(u'/');
}
}

qint64 IniDocument::maxBytes() { return kMaxBytes; }

IniDocument IniDocument::read(const QString& path, FileTrouble* trouble)
{
    IniDocument document;
    if (!QFileInfo::exists(path))
        return document;
    QFile file;
    if (FileTrouble why = RegularFile::open(file, path); !why.isNone()) {
        document.m_readTrouble = why;
        if (trouble)
            *trouble = why;
        return document;
    }
    QByteArray bytes = file.read(kMaxBytes);
    const bool whole = file.atEnd();
    if (!whole) {
        // A file cut at the limit ends in half a line, which would read as a
        // shorter value, or in half a character: only whole lines count.
        const std::vector<qsizetype> ends = lineEnds(bytes, FileText::detect(bytes));
        bytes.truncate(ends.empty() ? 0 : ends.back());
    }
    document = fromBytes(bytes);
    document.m_whole = whole;
    return document;
}

IniDocument IniDocument::fromBytes(const QByteArray& bytes)
{
    IniDocument document;
    document.m_encoding = FileText::detect(bytes);
    QString group;
    qsizetype start = 0;
    std::vector<qsizetype> ends = lineEnds(bytes, document.m_encoding);
    if (ends.empty() || ends.back() < bytes.size())
        ends.push_back(bytes.size());
    for (const qsizetype end : ends) {
        const QByteArray raw = bytes.sliced(start, end - start);
        const FileText::Decoded decoded = FileText::decode(raw, document.m_encoding);
        // No editor puts a NUL in text: the file is UTF-16 without its mark,
        // or no text at all.
        if (decoded.replaced || decoded.text.contains(QChar::Null))
            document.m_allText = false;
        Line line = parsed(raw, decoded.text, group);
        if (line.kind == Line::Kind::Header)
            group = line.group;
        if (!raw.isEmpty())
            document.m_lines.push_back(std::move(line));
        start = end;
    }
    return document;
}

IniDocument::Line IniDocument::parsed(QByteArray raw, QStringView text, const QString& group)
{
    Line line { std::move(raw), Line::Kind::Other, group, {}, {} };
    const QStringView trimmed = text.trimmed();
    if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
        line.kind = Line::Kind::Header;
        line.group = groupOf(trimmed.sliced(1, trimmed.size() - 2));
    } else if (const qsizetype equals = trimmed.indexOf(u'=');
               equals > 0 && !trimmed.startsWith(u';') && !trimmed.startsWith(u'#')) {
        line.kind = Line::Kind::Key;
        line.key = keyOf(trimmed.first(equals));
        line.value = trimmed.sliced(equals + 1).trimmed().toString();
    }
    return line;
}

FileTrouble IniDocument::writeTrouble() const
{
    if (!m_readTrouble.isNone())
        return m_readTrouble;
    if (!m_whole)
        return FileTrouble(FileTrouble::Kind::TooLongToRead, kMaxSize);
    if (!m_allText)
        return FileTrouble(FileTrouble::Kind::NotAllText);
    return {};
}

PreferenceValues IniDocument::values(const PreferenceGroup& group) const
{
    const QString name = group.name().toLower();
    PreferenceValues values;
    QSet<QString> seen;
    for (const Line& line : m_lines) {
        if (line.kind != Line::Kind::Key || line.group != name)
            continue;
        const QString key = group.spelled(line.key);
        if (!seen.contains(key.toLower())) {
            seen.insert(key.toLower());
            values.insert(key, line.value);
        }
    }
    return values;
}

bool IniDocument::hasGroup(const QString& name) const
{
    const QString lower = name.toLower();
    return std::any_of(m_lines.cbegin(), m_lines.cend(),
        [&](const Line& line) { return line.kind == Line::Kind::Key && line.group == lower; });
}

QStringList IniDocument::groupNames() const
{
    QStringList names;
    for (const Line& line : m_lines)
        if (line.kind == Line::Kind::Key && !names.contains(line.group))
            names << line.group;
    return names;
}

QStringList IniDocument::keys(const QString& name) const
{
    const QString lower = name.toLower();
    QStringList keys;
    for (const Line& line : m_lines)
        if (line.kind == Line::Kind::Key && line.group == lower)
            keys << line.key;
    return keys;
}

QByteArray IniDocument::lineEnd() const
{
    for (const Line& line : m_lines)
        if (line.raw.endsWith('\n') || (isUtf16(m_encoding) && line.raw.size() >= 2)) {
            const QString text = FileText::decode(line.raw, m_encoding).text;
            if (text.endsWith(u'\n'))
                return encodedLine(text.endsWith(u"\r\n"_s) ? u"\r\n"_s : u"\n"_s);
        }
    return encodedLine(u"\n"_s);
}

QByteArray IniDocument::encodedLine(const QString& text) const
{
    return FileText::encode(text, m_encoding);
}

void IniDocument::ensureFinalLineEnd()
{
    if (m_lines.empty())
        return;
    Line& last = m_lines.back();
    if (!FileText::decode(last.raw, m_encoding).text.endsWith(u'\n'))
        last.raw += lineEnd();
}

void IniDocument::setValues(const PreferenceGroup& group, const PreferenceValues& values)
{
    const QString name = group.name().toLower();
    // The values by their key in lower case, as the file's keys are matched.
    QMap<QString, QString> wanted;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        wanted.insert(it.key().toLower(), it.key());
    const auto keyLine = [&](const QString& key, const QString& value) {
        return encodedLine(QString(key).replace(u'/', u'\\') + u'=' + value) + lineEnd();
    };
    // What stands: kept, changed in place or taken away.
    QSet<QString> present;
    std::vector<Line> lines;
    for (Line& line : m_lines) {
        if (line.kind != Line::Kind::Key || line.group != name) {
            lines.push_back(std::move(line));
            continue;
        }
        const QString lower = group.spelled(line.key).toLower();
        const auto found = wanted.constFind(lower);
        if (found == wanted.cend())
            continue;
        if (!present.contains(lower)) {
            present.insert(lower);
            const QString& value = values[*found];
            if (line.value != value) {
                line.key = *found;
                line.value = value;
                line.raw = keyLine(line.key, line.value);
            }
        }
        lines.push_back(std::move(line));
    }
    m_lines = std::move(lines);

    // What is new, in the order written.
    QStringList added;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (!present.contains(it.key().toLower()))
            added << it.key();
    std::stable_sort(added.begin(), added.end(),
        [&group](const QString& a, const QString& b) { return group.writtenBefore(a, b); });
    if (added.isEmpty()) {
        // A group left without keys goes, header and all, unless someone's
        // comment stays in it.
        const bool commented = std::any_of(m_lines.cbegin(), m_lines.cend(), [&](const Line& line) {
            return line.group == name && line.kind != Line::Kind::Header
                && !FileText::decode(line.raw, m_encoding).text.trimmed().isEmpty();
        });
        if (!commented && !name.isEmpty())
            std::erase_if(m_lines, [&](const Line& line) { return line.group == name; });
        return;
    }
    ensureFinalLineEnd();
    const auto header = std::find_if(m_lines.cbegin(), m_lines.cend(),
        [&](const Line& line) { return line.group == name && line.kind == Line::Kind::Header; });
    if (header == m_lines.cend() && !name.isEmpty()) {
        if (!m_lines.empty()
            && !FileText::decode(m_lines.back().raw, m_encoding).text.trimmed().isEmpty())
            m_lines.push_back({ lineEnd(), Line::Kind::Other, m_lines.back().group, {}, {} });
        m_lines.push_back({ encodedLine(u'[' + group.name() + u']') + lineEnd(), Line::Kind::Header,
            name, {}, {} });
    }
    // Each new key goes after the last of the group's keys written before
    // it, else first in the group: after the line of that index, in the
    // order written. Found among the lines there were, once each, so that a
    // list of hundreds written anew costs no more than reading it.
    qsizetype firstOfGroup = -1;
    std::vector<std::pair<qsizetype, QString>> existing;
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const Line& line = m_lines[std::size_t(i)];
        if (line.group != name)
            continue;
        if (firstOfGroup < 0)
            firstOfGroup = line.kind == Line::Kind::Header ? i : i - 1;
        if (line.kind == Line::Kind::Key)
            existing.emplace_back(i, group.spelled(line.key));
    }
    std::multimap<qsizetype, QString> after;
    for (const QString& key : std::as_const(added)) {
        qsizetype at = firstOfGroup;
        for (const auto& [index, spelled] : existing)
            if (group.writtenBefore(spelled, key))
                at = std::max(at, index);
        after.emplace(at, key);
    }
    const QByteArray end = lineEnd();
    std::vector<Line> merged;
    merged.reserve(m_lines.size() + after.size());
    const auto addAfter = [&](qsizetype index) {
        const auto [from, to] = after.equal_range(index);
        for (auto it = from; it != to; ++it) {
            const QString& value = values[it->second];
            merged.push_back(
                { encodedLine(QString(it->second).replace(u'/', u'\\') + u'=' + value) + end,
                    Line::Kind::Key, name, it->second, value });
        }
    };
    addAfter(-1);
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        merged.push_back(std::move(m_lines[std::size_t(i)]));
        addAfter(i);
    }
    m_lines = std::move(merged);
}

QByteArray IniDocument::bytes() const
{
    QByteArray bytes;
    for (const Line& line : m_lines)
        bytes += line.raw;
    // A new file starts UTF-8 without a mark. Where its characters beyond
    // ASCII all take two bytes it would read back as GBK, and GB18030 where
    // they happen to form UTF-8, so a comment of Chinese characters at the
    // top says which it is.
    const bool beyondAscii
        = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) >= 0x80; });
    if (beyondAscii && !isUtf16(m_encoding) && FileText::detect(bytes) != m_encoding) {
        const QString name = m_encoding == Encoding::Utf8 ? u"UTF-8"_s : u"GB18030"_s;
        bytes.prepend(encodedLine(u"; 编码：%1"_s.arg(name)) + lineEnd());
    }
    return bytes;
}
