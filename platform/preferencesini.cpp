// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesini.h"

#include "atomicfile.h"

#include <QFileDevice>
#include <QStringDecoder>
#include <QStringTokenizer>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// What went wrong in the last write on this thread: QSettings itself only
// says that the write failed.
thread_local FileTrouble t_writeTrouble;

// Qt's own INI format would do, but on a full disk Qt 6.4 replaces the file
// with an empty one and reports success (see atomicfile.h), and the choices
// are gone. So the file is read and written here, in the layout Qt's INI
// format gives these keys ("[display]", then "stayOnTop=true"...), and a
// write is waited for before QSettings puts the new file in place: one that
// fails leaves the old file as it was, and QSettings reports an error.
bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    // The file holds a few short lines; anything beyond this is not ours.
    constexpr qint64 kMaxBytes = 64 * 1024;
    // The decoder drops a byte-order mark, as editors such as Notepad write.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(device.read(kMaxBytes));
    QString section;
    for (const QStringView raw : QStringTokenizer(text, u'\n')) {
        const QString line = raw.trimmed().toString();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section == u"General"_s)
                section.clear();
        } else if (const qsizetype equals = line.indexOf(u'=');
                   equals > 0 && !line.startsWith(u';') && !line.startsWith(u'#')) {
            const QString key = line.left(equals).trimmed();
            map.insert(
                section.isEmpty() ? key : section + u'/' + key, line.mid(equals + 1).trimmed());
        }
    }
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QByteArray bytes;
    std::optional<QString> section;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString group = slash < 0 ? u"General"_s : it.key().left(slash);
        if (group != section) {
            bytes += (section ? "\n[" : "[") + group.toUtf8() + "]\n";
            section = group;
        }
        bytes += it.key().mid(slash + 1).toUtf8() + '=' + it.value().toString().toUtf8() + '\n';
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

namespace PreferencesIni {

QSettings::Format format()
{
    static const QSettings::Format format = QSettings::registerFormat(u"ini"_s, readIni, writeIni);
    return format;
}

void clearWriteTrouble() { t_writeTrouble = {}; }

FileTrouble writeTrouble() { return t_writeTrouble; }

} // namespace PreferencesIni
