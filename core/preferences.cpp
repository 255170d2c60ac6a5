// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "atomicfile.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringTokenizer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
struct Entry {
    QString key;
    bool defaultValue;
};

// The file's schema: one key and one default per choice.
Entry entry(Preferences::Choice choice)
{
    using C = Preferences::Choice;
    switch (choice) {
    case C::FullScreen:
        return { u"display/fullScreen"_s, false };
    case C::ScaleTextWithWindow:
        return { u"display/scaleTextWithWindow"_s, false };
    case C::StayOnTop:
        return { u"display/stayOnTop"_s, false };
    case C::StartAtLogin:
        return { u"startup/startAtLogin"_s, false };
    }
    Q_UNREACHABLE();
}

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
    if (device.write(bytes) != bytes.size())
        return false;
    auto* file = qobject_cast<QFileDevice*>(&device);
    return !file || AtomicFile::sync(*file).isNone();
}

QSettings::Format iniFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(u"ini"_s, readIni, writeIni);
    return format;
}
}

Preferences::Preferences(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString Preferences::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/gaokao-countdown/gaokao-countdown.ini"_s;
}

bool Preferences::isUsable() const
{
    // Opening a named pipe waits for a writer, for good: only a regular file,
    // or none yet, is handed to QSettings.
    const QFileInfo file(m_filePath);
    return !file.exists() || file.isFile();
}

bool Preferences::value(Choice choice) const
{
    const Entry e = entry(choice);
    if (!isUsable())
        return e.defaultValue;
    const QSettings file(m_filePath, iniFormat());
    return file.value(e.key, e.defaultValue).toBool();
}

bool Preferences::setValue(Choice choice, bool on) const
{
    if (!isUsable())
        return false;
    QSettings file(m_filePath, iniFormat());
    file.setValue(entry(choice).key, on);
    file.sync();
    return file.status() == QSettings::NoError;
}
