// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "logging.h"
#include "preferencenames.h"
#include "preferencesformat.h"
#include "programinfo.h"
#include "runninguser.h"
#include "systemconfigfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <mutex>

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

const QString kLockedKey = u"school/locked"_s;
const QString kSettingsFolderKey = u"school/settingsDir"_s;

// The names of every key above, in the spelling the program writes.
void addNames()
{
    using C = Preferences::Choice;
    QStringList keys { kLockedKey, kSettingsFolderKey,
        textKey(Preferences::Text::FullScreenScreen) };
    for (const C choice : { C::FullScreen, C::ScaleTextWithWindow, C::StayOnTop, C::StartAtLogin })
        keys.append(entry(choice).key);
    PreferenceNames::add(keys);
}

// A line for the log, once a run however often the files are read (the
// about box reads them again).
void logOnce(const QString& line)
{
    static QMutex mutex;
    static QSet<QString> logged;
    const QMutexLocker locked(&mutex);
    if (!logged.contains(line)) {
        logged.insert(line);
        qCWarning(lcPreferences).noquote() << line;
    }
}

// Opening a named pipe waits for a writer, for good: only a regular file, or
// none yet, is handed to QSettings.
bool isUsable(const QString& path)
{
    const QFileInfo file(path);
    return !file.exists() || file.isFile();
}

// What a file says for `key`; empty when it says nothing, or is none.
QString storedText(const QString& path, const QString& key)
{
    if (path.isEmpty() || !isUsable(path))
        return {};
    return QSettings(path, PreferencesFormat::format()).value(key).toString();
}

// A value as a person may write it, perhaps in quotes.
QString unquoted(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.sliced(1, text.size() - 2).trimmed();
    return text;
}

// Whether the file holds any key of `group`.
bool hasGroup(const QString& path, const QString& group)
{
    if (!isUsable(path))
        return false;
    QSettings file(path, PreferencesFormat::format());
    file.beginGroup(group);
    return !file.allKeys().isEmpty();
}
}

Preferences::Preferences(QString filePath, const QStringList& systemFilePaths, Rights rights)
    : Preferences(std::move(filePath), systemFilePaths, Policies::fromSystem(), rights)
{
}

Preferences::Preferences(
    QString filePath, const QStringList& systemFilePaths, Policies policies, Rights rights)
    : m_filePath(std::move(filePath))
    , m_policies(std::move(policies))
{
    [[maybe_unused]] static const bool namesAdded = (addNames(), true);
    const auto found = std::find_if(systemFilePaths.cbegin(), systemFilePaths.cend(),
        [](const QString& path) { return QFileInfo(path).isFile(); });
    if (found != systemFilePaths.cend()) {
        m_systemFilePath = *found;
        readSystemFile();
    }
    readPolicies();
    if (m_locked && rights == Rights::Administrator) {
        m_locked = false;
        static std::once_flag told;
        std::call_once(told, [] {
            qCInfo(lcPreferences).noquote()
                << u"设置已由学校管理员锁定，但管理员不受锁定限制：这次运行可以更改设置。"_s;
        });
    }
}

// A policy that is on or off, or none: one that is neither is a problem.
std::optional<bool> Preferences::policyChoice(const QString& key)
{
    const std::optional<QString> text = m_policies.value(key);
    if (!text)
        return std::nullopt;
    const std::optional<bool> on = toBool(*text);
    if (!on) {
        const QString line
            = u"组策略“%1”中 %2 的值“%3”不是 1 或 0（也不是 true/false），已忽略。"_s.arg(
                m_policies.place(key), Policies::valueName(key), *text);
        m_problems.append(line);
        logOnce(line);
    }
    return on;
}

void Preferences::readPolicies()
{
    for (const QString& line : m_policies.problems()) {
        m_problems.append(line);
        logOnce(line);
    }
    using C = Choice;
    for (const C choice : { C::FullScreen, C::ScaleTextWithWindow, C::StayOnTop })
        policyChoice(entry(choice).key);
    if (const std::optional<bool> locked = policyChoice(kLockedKey))
        m_locked = *locked;
}

void Preferences::readSystemFile()
{
    using Kind = FileTrouble::Kind;
    const auto tell = [this](const QString& line) {
        m_problems.append(line);
        logOnce(line);
    };
    const auto tellTrouble = [&](const FileTrouble& trouble) {
        tell(trouble.during(FileTrouble::Operation::ReadSystemFile, m_systemFilePath).message());
    };
    // A file too long or with bytes that are no text is still read as far as
    // it goes; one that cannot be opened (mode 0600 for root) not at all.
    const FileTrouble trouble = PreferencesFormat::check(m_systemFilePath);
    if (!trouble.isNone())
        tellTrouble(trouble);
    if (trouble.kind() != Kind::None && trouble.kind() != Kind::TooLongToRead
        && trouble.kind() != Kind::NotAllText)
        return;
    const QSettings file(m_systemFilePath, PreferencesFormat::format());
    const QStringList keys = file.allKeys();
    if (std::none_of(keys.cbegin(), keys.cend(), PreferenceNames::isKnown))
        tellTrouble(FileTrouble(Kind::NothingKnown));
    if (!file.contains(kLockedKey))
        return;
    const QString text = file.value(kLockedKey).toString();
    const std::optional<bool> locked = toBool(text);
    if (!locked)
        tell(
            u"“%1”中 [school] 的 locked= 的值“%2”不是 true 或 false（也不是 yes/no、on/off、1/0），设置没有锁定。"_s
                .arg(QDir::toNativeSeparators(m_systemFilePath), text));
    m_locked = locked.value_or(false);
}

Preferences::Rights Preferences::runningUsersRights()
{
    return RunningUser::isAdministrator() ? Rights::Administrator : Rights::User;
}

QString Preferences::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/%1/%1.ini"_s.arg(ProgramInfo::commandName);
}

QStringList Preferences::defaultSystemFilePaths()
{
    QStringList paths = SystemConfigFolders::list();
    for (QString& folder : paths)
        folder += u"/%1/%1.ini"_s.arg(ProgramInfo::commandName);
    return paths;
}

bool Preferences::value(Choice choice) const
{
    const Entry e = entry(choice);
    std::optional<bool> on;
    // Whether the program starts at login is the login entry's to say.
    if (choice != Choice::StartAtLogin)
        on = toBool(m_policies.value(e.key).value_or(QString()));
    if (!on && !m_locked)
        on = toBool(storedText(m_filePath, e.key));
    if (!on)
        on = toBool(storedText(m_systemFilePath, e.key));
    return on.value_or(e.defaultValue);
}

QString Preferences::schoolSettingsFolder() const
{
    QString folder = unquoted(m_policies.value(kSettingsFolderKey).value_or(QString()));
    QString place = m_policies.place(kSettingsFolderKey);
    if (folder.isEmpty()) {
        folder = unquoted(storedText(m_systemFilePath, kSettingsFolderKey));
        place = QDir::toNativeSeparators(m_systemFilePath);
    }
    if (folder.isEmpty())
        return {};
    if (QDir::isAbsolutePath(folder))
        return QDir::cleanPath(folder);
    qCWarning(lcPreferences).noquote()
        << u"“%1”中的 settingsDir=%2 不是绝对路径，已忽略，仍用默认的设置文件夹。"_s.arg(
               place, folder);
    return {};
}

void Preferences::read(const QString& group, const std::function<void(QSettings&)>& reader) const
{
    QString path = m_filePath;
    if (m_locked || (!m_systemFilePath.isEmpty() && !hasGroup(m_filePath, group)))
        path = m_systemFilePath;
    if (path.isEmpty() || !isUsable(path))
        return;
    QSettings file(path, PreferencesFormat::format());
    reader(file);
}

std::optional<bool> Preferences::toBool(QString text)
{
    // QVariant::toBool() takes every text but "false" and "0" for true, so
    // "no" would switch a choice on.
    text = unquoted(text);
    const std::pair<QLatin1StringView, bool> spellings[]
        = { { "true"_L1, true }, { "yes"_L1, true }, { "on"_L1, true }, { "1"_L1, true },
              { "false"_L1, false }, { "no"_L1, false }, { "off"_L1, false }, { "0"_L1, false } };
    for (const auto& [spelling, on] : spellings)
        if (text.compare(spelling, Qt::CaseInsensitive) == 0)
            return on;
    return std::nullopt;
}

namespace {
// Takes `lock` with a bounded wait; what stood in the way when it could not.
FileTrouble tryLock(QLockFile& lock)
{
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
}

FileTrouble Preferences::takeLock(QLockFile& editLock) const
{
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return FileTrouble::fromErrno(errno == EEXIST ? ENOTDIR : errno);
    // Held from before the file is read until it is written, by every copy
    // of the program: what a writer merges its changes into (the desktop
    // countdowns) is then what the file holds as it is written.
    if (FileTrouble trouble = tryLock(editLock); !trouble.isNone())
        return trouble;
    // QSettings takes the file's own lock as it writes, and waits for it
    // without end: a folder in the lock's place, or an older copy of the
    // program stuck while holding it, would stop the window for good. So
    // that lock is taken here first with a bounded wait, and let go at once
    // for QSettings to take. A lock left by a copy that crashed is stale,
    // and QLockFile removes it. Saving on another thread instead would leave
    // a save stuck there for good, and the last save, as the program ends,
    // waiting on it.
    QLockFile lock(m_filePath + u".lock"_s);
    return tryLock(lock);
}

FileTrouble Preferences::setValue(Choice choice, bool on) const
{
    return edit([&](QSettings& file) { file.setValue(entry(choice).key, on); });
}

QString Preferences::value(Text text) const
{
    QString value = m_policies.value(textKey(text)).value_or(QString());
    if (value.isEmpty() && !m_locked)
        value = storedText(m_filePath, textKey(text)).trimmed();
    if (value.isEmpty())
        value = storedText(m_systemFilePath, textKey(text)).trimmed();
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
    if (m_locked)
        return FileTrouble(FileTrouble::Kind::LockedBySchool);
    if (!isUsable(m_filePath))
        return FileTrouble(FileTrouble::Kind::NotAFile);
    QLockFile editLock(m_filePath + u".edit.lock"_s);
    if (FileTrouble trouble = takeLock(editLock); !trouble.isNone())
        return trouble;
    // Refused before QSettings holds the change, which would keep it for the
    // next file of this name it reads, as if saved; checked under the lock, so
    // that it is the file about to be merged into.
    if (FileTrouble trouble = PreferencesFormat::check(m_filePath); !trouble.isNone())
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
