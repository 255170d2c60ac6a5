// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesformat.h"

#include "atomicfile.h"

#include <QFileDevice>
#include <QMutex>
#include <QStringDecoder>
#include <QStringTokenizer>

#include <algorithm>

#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
thread_local FileTrouble t_writeTrouble;

// The file holds a few short lines; anything beyond this is not ours.
constexpr qint64 kMaxBytes = 64 * 1024;

// Names that come first among the keys of a group, in this order (see
// setKeyOrder()). Other names follow in alphabetical order.
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

bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    QByteArray bytes = device.read(kMaxBytes);
    // A file cut at the limit ends in half a line, which would read as a
    // shorter value: only whole lines count.
    if (bytes.size() == kMaxBytes && !device.atEnd())
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    // The decoder drops a byte-order mark, as editors such as Notepad write.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    QString section;
    for (const QStringView raw : QStringTokenizer(text, u'\n')) {
        const QString line = raw.trimmed().toString();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section == u"General"_s)
                section.clear();
        } else if (const qsizetype equals = line.indexOf(u'=');
                   equals > 0 && !line.startsWith(u';') && !line.startsWith(u'#')) {
            // "1\title" in "[countdowns]" is QSettings' "countdowns/1/title".
            const QString key = line.left(equals).trimmed().replace(u'\\', u'/');
            map.insert(
                section.isEmpty() ? key : section + u'/' + key, line.mid(equals + 1).trimmed());
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
    if (device.write(bytes) != bytes.size()) {
        t_writeTrouble = FileTrouble::fromSystemText(device.errorString());
        return false;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        t_writeTrouble = AtomicFile::sync(*file);
    return t_writeTrouble.isNone();
}
}

QSettings::Format PreferencesFormat::format()
{
    static const QSettings::Format format = QSettings::registerFormat(u"ini"_s, readIni, writeIni);
    return format;
}

bool PreferencesFormat::readsWhole(qint64 bytes) { return bytes <= kMaxBytes; }

void PreferencesFormat::setKeyOrder(const QStringList& names)
{
    const QMutexLocker locker(&g_keyOrderMutex);
    g_keyOrder = names;
}

FileTrouble PreferencesFormat::writeTrouble() { return t_writeTrouble; }

void PreferencesFormat::clearWriteTrouble() { t_writeTrouble = {}; }
