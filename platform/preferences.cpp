// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "atomicfile.h"
#include "programinfo.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringTokenizer>

#include <cerrno>
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

// One key per text; a text the file lacks reads as empty.
QString textKey(Preferences::Text text)
{
    switch (text) {
    case Preferences::Text::FullScreenScreen:
        return u"display/screen"_s;
    }
    Q_UNREACHABLE();
}

// How long a save waits for another copy of the program to finish its own.
constexpr int kLockWaitMs = 300;

// The usual spellings of a choice in a file edited by hand. QVariant::toBool()
// takes every text but "false" and "0" for true, so "no" would switch it on.
std::optional<bool> readChoice(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.sliced(1, text.size() - 2).trimmed();
    const std::pair<QLatin1StringView, bool> spellings[]
        = { { "true"_L1, true }, { "yes"_L1, true }, { "on"_L1, true }, { "1"_L1, true },
              { "false"_L1, false }, { "no"_L1, false }, { "off"_L1, false }, { "0"_L1, false } };
    for (const auto& [spelling, on] : spellings)
        if (text.compare(spelling, Qt::CaseInsensitive) == 0)
            return on;
    return std::nullopt;
}

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
        + u"/%1/%1.ini"_s.arg(ProgramInfo::commandName);
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
    return readChoice(file.value(e.key).toString()).value_or(e.defaultValue);
}

FileTrouble Preferences::takeLock() const
{
    // QSettings takes the file's lock before it writes, and waits for it
    // without end: a folder in the lock's place, or a copy of the program
    // stuck while holding it, would stop the window for good. So the lock is
    // taken here first with a bounded wait, and let go at once for QSettings
    // to take (another copy that takes it in between makes QSettings wait
    // only for its own short save). A lock left by a copy that crashed is
    // stale, and QLockFile removes it. Saving on another thread instead would
    // leave a save stuck there for good, and the last save, as the program
    // ends, waiting on it.
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return FileTrouble::fromErrno(errno == EEXIST ? ENOTDIR : errno);
    QLockFile lock(m_filePath + u".lock"_s);
    errno = 0;
    if (lock.tryLock(kLockWaitMs))
        return {};
    switch (lock.error()) {
    case QLockFile::PermissionError:
        return FileTrouble(FileTrouble::Kind::NoPermission);
    case QLockFile::UnknownError:
        // Most often a full disk, which the system's error number tells.
        return errno ? FileTrouble::fromErrno(errno) : FileTrouble(FileTrouble::Kind::Other);
    default:
        return FileTrouble(FileTrouble::Kind::Locked);
    }
}

QString Preferences::value(Text text) const
{
    if (!isUsable())
        return {};
    const QSettings file(m_filePath, iniFormat());
    return file.value(textKey(text)).toString().trimmed();
}

FileTrouble Preferences::setValue(Choice choice, bool on) const
{
    return write(entry(choice).key, on).during(FileTrouble::Operation::Write, m_filePath);
}

FileTrouble Preferences::setValue(Text text, const QString& value) const
{
    // The file is read line by line: a line break would start another key.
    QString line = value;
    line.replace(u'\n', u' ').replace(u'\r', u' ');
    return write(textKey(text), line).during(FileTrouble::Operation::Write, m_filePath);
}

FileTrouble Preferences::write(const QString& key, const QVariant& value) const
{
    if (!isUsable())
        return FileTrouble(FileTrouble::Kind::NotAFile);
    if (FileTrouble trouble = takeLock(); !trouble.isNone())
        return trouble;
    t_writeTrouble = {};
    QSettings file(m_filePath, iniFormat());
    file.setValue(key, value);
    file.sync();
    if (file.status() == QSettings::NoError)
        return {};
    if (!t_writeTrouble.isNone())
        return t_writeTrouble;
    // QSettings does not write a file it may not write.
    const QFileInfo info(m_filePath);
    return FileTrouble(info.exists() && !info.isWritable() ? FileTrouble::Kind::NoPermission
                                                           : FileTrouble::Kind::Other);
}
