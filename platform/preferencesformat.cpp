// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesformat.h"

#include "atomicfile.h"
#include "filetext.h"
#include "preferencenames.h"
#include "regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStringTokenizer>

#include <algorithm>

#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
thread_local FileTrouble t_writeTrouble;

// Fifty countdowns take some 13 kB; a file a school's tool wrote with 300 of
// them, 80 kB. A file beyond this is read no further, and never written.
constexpr qint64 kMaxBytes = 1024 * 1024;
const QString kMaxSize = u"1 MiB"_s;

// Names that come first among the keys of a group, in this order (see
// addKeyOrder()). Other names follow in alphabetical order.
QMutex g_keyOrderMutex;
QStringList g_keyOrder;

QStringList keyOrder()
{
    const QMutexLocker locker(&g_keyOrderMutex);
    return g_keyOrder;
}

// Keys within a section, by their parts between slashes: fewer parts first
// (an array's size before its entries), numbers by value, leading names first.
bool readsBefore(const QString& a, const QString& b, const QStringList& leading)
{
    const QStringList as = a.split(u'/');
    const QStringList bs = b.split(u'/');
    if (as.size() != bs.size())
        return as.size() < bs.size();
    for (qsizetype i = 0; i < as.size(); ++i) {
        if (as[i] == bs[i])
            continue;
        bool aIsNumber = false;
        bool bIsNumber = false;
        const qulonglong an = as[i].toULongLong(&aIsNumber);
        const qulonglong bn = bs[i].toULongLong(&bIsNumber);
        if (aIsNumber && bIsNumber && an != bn)
            return an < bn;
        if (aIsNumber != bIsNumber)
            return bIsNumber;
        const auto rank = [&leading](const QString& name) {
            const qsizetype at = leading.indexOf(name);
            return at < 0 ? leading.size() : at;
        };
        if (rank(as[i]) != rank(bs[i]))
            return rank(as[i]) < rank(bs[i]);
        return as[i] < bs[i];
    }
    return false;
}

struct Text {
    QString text;
    bool whole = true; // the file was read to its end
    bool replaced = false; // some bytes were no character
};

Text readText(QIODevice& device)
{
    using FileText::Encoding;
    const QByteArray bytes = device.read(kMaxBytes);
    Text read;
    read.whole = device.atEnd();
    // A file cut at the limit ends in half a line, which would read as a
    // shorter value, or in half a character: only whole lines count. A line
    // end is a byte of its own in UTF-8 and GB18030 alike.
    const QByteArrayView lines
        = QByteArrayView(bytes).first(read.whole ? bytes.size() : bytes.lastIndexOf('\n') + 1);
    const Encoding encoding = FileText::detect(lines);
    const bool utf16 = encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
    FileText::Decoded decoded = FileText::decode(utf16 ? bytes : lines, encoding);
    if (utf16 && !read.whole)
        decoded.text.truncate(decoded.text.lastIndexOf(u'\n') + 1);
    read.text = decoded.text;
    // No editor puts a NUL in text: the file is UTF-16 without its mark, or
    // no text at all.
    read.replaced = decoded.replaced || read.text.contains(QChar::Null);
    return read;
}

// A section or key in the program's spelling, whatever case the file has.
QString spelledKey(QStringView key)
{
    QStringList parts = key.toString().split(u'/');
    for (QString& part : parts)
        part = PreferenceNames::spelled(part.trimmed());
    return parts.join(u'/');
}

// As Windows' own INI reader reads a file: names in any case, ";" a comment
// only at the start of a line ("locked=true ; no" is the value "true ; no"),
// and of a key given twice the first.
bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    const QString text = readText(device).text;
    QString section;
    for (const QStringView raw : QStringTokenizer(text, u'\n')) {
        const QStringView line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = spelledKey(line.sliced(1, line.size() - 2).trimmed());
            if (section.compare(u"General"_s, Qt::CaseInsensitive) == 0)
                section.clear();
        } else if (const qsizetype equals = line.indexOf(u'=');
                   equals > 0 && !line.startsWith(u';') && !line.startsWith(u'#')) {
            // "1\title" in "[countdowns]" is QSettings' "countdowns/1/title".
            const QString key
                = spelledKey(line.first(equals).trimmed().toString().replace(u'\\', u'/'));
            const QString path = section.isEmpty() ? key : section + u'/' + key;
            if (!map.contains(path))
                map.insert(path, line.sliced(equals + 1).trimmed().toString());
        }
    }
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    // Sections by name, the keys without a group first, as Qt writes them.
    std::map<std::optional<QString>, std::vector<std::pair<QString, QString>>> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const std::optional<QString> section
            = slash < 0 ? std::nullopt : std::optional(it.key().left(slash));
        // A line break in a value would end its line early.
        QString value = it.value().toString();
        value.replace(u'\n', u' ').replace(u'\r', u' ');
        sections[section].emplace_back(it.key().mid(slash + 1), value);
    }
    const QStringList leading = keyOrder();
    QByteArray bytes;
    for (auto& [section, keys] : sections) {
        std::stable_sort(keys.begin(), keys.end(), [&leading](const auto& a, const auto& b) {
            return readsBefore(a.first, b.first, leading);
        });
        bytes += (bytes.isEmpty() ? "[" : "\n[") + section.value_or(u"General"_s).toUtf8() + "]\n";
        for (const auto& [key, value] : keys)
            bytes += QString(key).replace(u'/', u'\\').toUtf8() + '=' + value.toUtf8() + '\n';
    }
    // UTF-8 whose characters beyond ASCII all take two bytes would read back
    // as GBK, as such a file from an editor does: a comment of Chinese
    // characters at the top says which it is.
    if (FileText::detect(bytes) != FileText::Encoding::Utf8)
        bytes.prepend(u"; 编码：UTF-8\n"_s.toUtf8());
    // Checked again under QSettings' lock: what stands in the file now.
    auto* file = qobject_cast<QFileDevice*>(&device);
    t_writeTrouble = file ? PreferencesFormat::check(file->fileName()) : FileTrouble();
    if (t_writeTrouble.isNone() && bytes.size() > kMaxBytes)
        t_writeTrouble = FileTrouble(FileTrouble::Kind::TooLongToRead, kMaxSize);
    if (!t_writeTrouble.isNone())
        return false;
    if (device.write(bytes) != bytes.size()) {
        t_writeTrouble = FileTrouble::fromSystemText(device.errorString());
        return false;
    }
    if (file)
        t_writeTrouble = AtomicFile::sync(*file);
    return t_writeTrouble.isNone();
}
}

QSettings::Format PreferencesFormat::format()
{
    static const QSettings::Format format = QSettings::registerFormat(u"ini"_s, readIni, writeIni);
    return format;
}

FileTrouble PreferencesFormat::check(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file;
    if (FileTrouble trouble = RegularFile::open(file, path); !trouble.isNone())
        return trouble;
    const Text text = readText(file);
    if (!text.whole)
        return FileTrouble(FileTrouble::Kind::TooLongToRead, kMaxSize);
    if (text.replaced)
        return FileTrouble(FileTrouble::Kind::NotAllText);
    return {};
}

void PreferencesFormat::addKeyOrder(const QStringList& names)
{
    const QMutexLocker locker(&g_keyOrderMutex);
    for (const QString& name : names)
        if (!g_keyOrder.contains(name))
            g_keyOrder.append(name);
}

FileTrouble PreferencesFormat::writeTrouble() { return t_writeTrouble; }

void PreferencesFormat::clearWriteTrouble() { t_writeTrouble = {}; }
