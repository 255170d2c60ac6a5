// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "preferencesformat.h"
#include "programinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>

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
    bool on = e.defaultValue;
    read([&](QSettings& file) { on = toBool(file.value(e.key).toString()).value_or(on); });
    return on;
}

void Preferences::read(const std::function<void(QSettings&)>& reader) const
{
    if (!isUsable())
        return;
    QSettings file(m_filePath, PreferencesFormat::format());
    reader(file);
}

std::optional<bool> Preferences::toBool(QString text)
{
    // QVariant::toBool() takes every text but "false" and "0" for true, so
    // "no" would switch a choice on.
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

FileTrouble Preferences::setValue(Choice choice, bool on) const
{
    return edit([&](QSettings& file) { file.setValue(entry(choice).key, on); });
}

QString Preferences::value(Text text) const
{
    QString value;
    read([&](QSettings& file) { value = file.value(textKey(text)).toString().trimmed(); });
    return value;
}

FileTrouble Preferences::setValue(Text text, const QString& value) const
{
    // The file is read line by line: a line break would start another key.
    QString line = value;
    line.replace(u'\n', u' ').replace(u'\r', u' ');
    return edit([&](QSettings& file) { file.setValue(textKey(text), line); });
}

FileTrouble Preferences::edit(const std::function<void(QSettings&)>& writer) const
{
    return write(writer).during(FileTrouble::Operation::Write, m_filePath);
}

FileTrouble Preferences::write(const std::function<void(QSettings&)>& writer) const
{
    if (!isUsable())
        return FileTrouble(FileTrouble::Kind::NotAFile);
    if (FileTrouble trouble = takeLock(); !trouble.isNone())
        return trouble;
    PreferencesFormat::clearWriteTrouble();
    QSettings file(m_filePath, PreferencesFormat::format());
    writer(file);
    file.sync();
    if (file.status() == QSettings::NoError)
        return {};
    if (FileTrouble trouble = PreferencesFormat::writeTrouble(); !trouble.isNone())
        return trouble;
    // QSettings does not write a file it may not write.
    const QFileInfo info(m_filePath);
    return FileTrouble(info.exists() && !info.isWritable() ? FileTrouble::Kind::NoPermission
                                                           : FileTrouble::Kind::Other);
}
