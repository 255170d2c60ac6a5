// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "atomicfile.h"
#include "inidocument.h"
#include "logging.h"
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
// The groups the preferences keep themselves, each key once, in the order
// written. The display's keys are indexed by Preferences::Choice and Text.
enum DisplayKey { FullScreenKey, ScaleTextKey, StayOnTopKey, ScreenKey };
const PreferenceGroup kDisplay { u"display"_s,
    {
        { u"fullScreen"_s, u"false"_s, true },
        { u"scaleTextWithWindow"_s, u"false"_s, true },
        { u"stayOnTop"_s, u"false"_s, true },
        { u"screen"_s, {}, true },
    } };
// Whether the program starts at login is the login entry's to say: no policy.
const PreferenceGroup kStartup { u"startup"_s, { { u"startAtLogin"_s, u"false"_s, false } } };
enum SchoolKey { LockedKey, SettingsFolderKey };
const PreferenceGroup kSchool { u"school"_s,
    {
        { u"locked"_s, u"false"_s, true },
        { u"settingsDir"_s, {}, true },
    } };

struct Place {
    const PreferenceGroup& group;
    int index;
};

Place placeOf(Preferences::Choice choice)
{
    using C = Preferences::Choice;
    switch (choice) {
    case C::FullScreen:
        return { kDisplay, FullScreenKey };
    case C::ScaleTextWithWindow:
        return { kDisplay, ScaleTextKey };
    case C::StayOnTop:
        return { kDisplay, StayOnTopKey };
    case C::StartAtLogin:
        return { kStartup, 0 };
    }
    Q_UNREACHABLE();
}

Place placeOf(Preferences::Text text)
{
    switch (text) {
    case Preferences::Text::FullScreenScreen:
        return { kDisplay, ScreenKey };
    }
    Q_UNREACHABLE();
}

QString policyKey(const PreferenceGroup& group, int index)
{
    return group.name() + u'/' + group.key(index).name;
}

// How long a save waits for another copy of the program to finish its own.
constexpr int kLockWaitMs = 300;

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

// What the file at `path` says for the group's key at `index`; empty when
// it says nothing, or is none (or no regular file).
QString storedText(const QString& path, const PreferenceGroup& group, int index)
{
    if (path.isEmpty())
        return {};
    return IniDocument::read(path).values(group).value(group.key(index).name);
}

// A value as a person may write it, perhaps in quotes.
QString unquoted(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.sliced(1, text.size() - 2).trimmed();
    return text;
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
std::optional<bool> Preferences::policyChoice(const PreferenceGroup& group, int index)
{
    const QString key = policyKey(group, index);
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
    // Every policy of a choice that is on or off.
    for (const PreferenceGroup* group : { &kDisplay, &kSchool })
        for (int i = 0; i < group->keys().size(); ++i)
            if (group->key(i).policy && group->key(i).defaultValue == u"false"_s
                && !(group == &kSchool && i == LockedKey))
                policyChoice(*group, i);
    if (const std::optional<bool> locked = policyChoice(kSchool, LockedKey)) {
        m_locked = *locked;
        m_lockPlace = *locked ? m_policies.place(policyKey(kSchool, LockedKey)) : QString();
    }
}

void Preferences::readSystemFile()
{
    const auto tell = [this](const QString& line) {
        m_problems.append(line);
        logOnce(line);
    };
    const auto tellTrouble = [&](const FileTrouble& trouble) {
        tell(trouble.during(FileTrouble::Operation::ReadSystemFile, m_systemFilePath).message());
    };
    // A file too long or with bytes that are no text is still read as far as
    // it goes; one that cannot be opened (mode 0600 for root) not at all.
    FileTrouble unreadable;
    const IniDocument file = IniDocument::read(m_systemFilePath, &unreadable);
    if (!unreadable.isNone()) {
        tellTrouble(unreadable);
        return;
    }
    if (const FileTrouble trouble = file.writeTrouble(); !trouble.isNone())
        tellTrouble(trouble);
    const PreferenceValues school = file.values(kSchool);
    const QString lockedName = kSchool.key(LockedKey).name;
    if (!school.contains(lockedName))
        return;
    const QString text = school.value(lockedName);
    const std::optional<bool> locked = toBool(text);
    if (!locked)
        tell(
            u"“%1”中 [school] 的 locked= 的值“%2”不是 true 或 false（也不是 yes/no、on/off、1/0），设置没有锁定。"_s
                .arg(QDir::toNativeSeparators(m_systemFilePath), text));
    m_locked = locked.value_or(false);
    if (m_locked)
        m_lockPlace = QDir::toNativeSeparators(m_systemFilePath);
}

QList<const PreferenceGroup*> Preferences::ownGroups()
{
    return { &kDisplay, &kStartup, &kSchool };
}

QString Preferences::unknownContent(const QList<const PreferenceGroup*>& known) const
{
    if (m_systemFilePath.isEmpty())
        return {};
    FileTrouble unreadable;
    const IniDocument file = IniDocument::read(m_systemFilePath, &unreadable);
    if (!unreadable.isNone())
        return {};
    for (const PreferenceGroup* group : known) {
        const PreferenceValues values = file.values(*group);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            if (group->declares(it.key()))
                return {};
    }
    return FileTrouble(FileTrouble::Kind::NothingKnown)
        .during(FileTrouble::Operation::ReadSystemFile, m_systemFilePath)
        .message();
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
    const Place place = placeOf(choice);
    const PreferenceKey& key = place.group.key(place.index);
    std::optional<bool> on;
    if (key.policy)
        on = toBool(policy(place.group, place.index).value_or(QString()));
    if (!on && !m_locked)
        on = toBool(storedText(m_filePath, place.group, place.index));
    if (!on)
        on = toBool(storedText(m_systemFilePath, place.group, place.index));
    return on.value_or(toBool(key.defaultValue).value_or(false));
}

QString Preferences::schoolSettingsFolder() const
{
    const QString key = policyKey(kSchool, SettingsFolderKey);
    QString folder = unquoted(m_policies.value(key).value_or(QString()));
    QString place = m_policies.place(key);
    if (folder.isEmpty()) {
        folder = unquoted(storedText(m_systemFilePath, kSchool, SettingsFolderKey));
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

Preferences Preferences::inSettingsFolder(const QString& folder) const
{
    Preferences preferences = *this;
    preferences.m_folderFilePath = folder.isEmpty()
        ? QString()
        : QDir(folder).filePath(u"%1.ini"_s.arg(ProgramInfo::commandName));
    return preferences;
}

Preferences::Source Preferences::source(const PreferenceGroup& group) const
{
    return counting(group).first;
}

// The file where `group` counts, read once: the same read decides and gives.
std::pair<Preferences::Source, IniDocument> Preferences::counting(
    const PreferenceGroup& group) const
{
    if (group.home() == PreferenceGroup::Home::SettingsFolder && !m_folderFilePath.isEmpty()) {
        IniDocument folder = IniDocument::read(m_folderFilePath);
        if (folder.hasGroup(group.name()))
            return { Source::SettingsFolder, std::move(folder) };
    }
    if (!m_locked) {
        IniDocument own = IniDocument::read(m_filePath);
        if (m_systemFilePath.isEmpty() || own.hasGroup(group.name()))
            return { Source::UsersFile, std::move(own) };
    }
    if (m_systemFilePath.isEmpty())
        return { Source::None, IniDocument() };
    return { Source::SystemFile, IniDocument::read(m_systemFilePath) };
}

QString Preferences::filePath(Source source) const
{
    switch (source) {
    case Source::SettingsFolder:
        return m_folderFilePath;
    case Source::UsersFile:
        return m_filePath;
    case Source::SystemFile:
        return m_systemFilePath;
    case Source::None:
        break;
    }
    return {};
}

bool Preferences::settingsFolderByPolicy() const
{
    return !unquoted(policy(kSchool, SettingsFolderKey).value_or(QString())).isEmpty();
}

PreferenceValues Preferences::read(const PreferenceGroup& group) const
{
    return counting(group).second.values(group);
}

QString Preferences::editedFile(const PreferenceGroup& group) const
{
    if (group.home() == PreferenceGroup::Home::SettingsFolder && !m_folderFilePath.isEmpty())
        return m_folderFilePath;
    return m_filePath;
}

std::optional<QString> Preferences::policy(const PreferenceGroup& group, int index) const
{
    if (!group.key(index).policy)
        return std::nullopt;
    return m_policies.value(policyKey(group, index));
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

FileTrouble Preferences::setValue(Choice choice, bool on) const
{
    const Place place = placeOf(choice);
    return edit(place.group, [&](PreferenceValues& values) {
        values.insert(place.group.key(place.index).name, on ? u"true"_s : u"false"_s);
    });
}

QString Preferences::value(Text text) const
{
    const Place place = placeOf(text);
    QString value = policy(place.group, place.index).value_or(QString());
    if (value.isEmpty() && !m_locked)
        value = storedText(m_filePath, place.group, place.index).trimmed();
    if (value.isEmpty())
        value = storedText(m_systemFilePath, place.group, place.index).trimmed();
    return value;
}

FileTrouble Preferences::setValue(Text text, const QString& value) const
{
    // The file is read line by line: a line break would start another key.
    QString line = value;
    line.replace(u'\n', u' ').replace(u'\r', u' ');
    const Place place = placeOf(text);
    return edit(place.group, [&](PreferenceValues& values) {
        values.insert(place.group.key(place.index).name, line.trimmed());
    });
}

FileTrouble Preferences::edit(
    const PreferenceGroup& group, const std::function<void(PreferenceValues&)>& change) const
{
    const QString path = editedFile(group);
    return write(path, group, change).during(FileTrouble::Operation::Write, path);
}

FileTrouble Preferences::write(const QString& path, const PreferenceGroup& group,
    const std::function<void(PreferenceValues&)>& change) const
{
    if (m_locked)
        return FileTrouble(FileTrouble::Kind::LockedBySchool);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileTrouble(FileTrouble::Kind::NotAFile);
    if (!QDir().mkpath(info.absolutePath()))
        return FileTrouble::fromErrno(errno == EEXIST ? ENOTDIR : errno);
    // Held from before the file is read until it is written, by every copy
    // of the program (older ones too): what a writer merges its changes into
    // (the desktop countdowns) is then what the file holds as it is written.
    // The wait is bounded: a folder in the lock's place, or a copy stuck
    // while holding it, never stops the window for good. A lock left by a
    // copy that crashed is stale, and QLockFile removes it.
    QLockFile editLock(path + u".edit.lock"_s);
    if (FileTrouble trouble = tryLock(editLock); !trouble.isNone())
        return trouble;
    // Read under the lock: the file about to be changed is the file as it
    // stands. Only that read and this change are held, and only here.
    IniDocument file = IniDocument::read(path);
    if (FileTrouble trouble = file.writeTrouble(); !trouble.isNone())
        return trouble;
    PreferenceValues values = file.values(group);
    const QByteArray before = file.bytes();
    change(values);
    // A line break in a value would end its line early.
    for (QString& value : values)
        value.replace(u'\n', u' ').replace(u'\r', u' ');
    file.setValues(group, values);
    const QByteArray after = file.bytes();
    if (after == before)
        return {};
    if (after.size() > IniDocument::maxBytes())
        return FileTrouble(FileTrouble::Kind::TooLongToRead, u"1 MiB"_s);
    return AtomicFile::replace(path, after);
}
