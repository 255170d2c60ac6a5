// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentryfile.h"

#include "regularfile.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// An entry is a few hundred bytes; this leaves room for many translations.
constexpr qint64 kMostBytes = 64 * 1024;
}

namespace DesktopEntryFile {

std::optional<QHash<QString, QString>> readMainGroup(const QString& path)
{
    QFile file;
    if (!RegularFile::open(file, path).isNone())
        return std::nullopt;
    const QByteArray bytes = file.read(kMostBytes + 1);
    if (bytes.size() > kMostBytes || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;

    const QString mainGroup = u"Desktop Entry"_s;
    QHash<QString, QString> keys;
    QString group;
    bool mainGroupSeen = false;
    for (const QStringView rawLine : QStringView(text).split(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.sliced(1, line.size() - 2).toString();
            if (group == mainGroup && std::exchange(mainGroupSeen, true))
                return std::nullopt;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = line.first(std::max<qsizetype>(equals, 0)).trimmed().toString();
        if (group.isEmpty() || key.isEmpty())
            return std::nullopt;
        if (group != mainGroup)
            continue;
        if (keys.contains(key))
            return std::nullopt;
        keys.insert(key, line.sliced(equals + 1).trimmed().toString());
    }
    if (!mainGroupSeen)
        return std::nullopt;
    return keys;
}

} // namespace DesktopEntryFile
