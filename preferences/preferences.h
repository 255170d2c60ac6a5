// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"
#include "inidocument.h"
#include "policies.h"
#include "preferencegroup.h"

#include <QString>
#include <QStringList>

class QLockFile;

#include <functional>
#include <optional>
#include <utility>

// The program's own display preferences, kept apart from the four-line
// settings file "data.txt" that other tools read: an INI file in the user's
// configuration directory, over one of the same name that an administrator
// may put in a system configuration folder for every user. A value in the
// system's file is the default, which the user's own overrides; a system file
// that says "[school] locked=true" makes its values (or the built-in
// defaults) hold whatever the user's file says, and the user's file is then
// never written; for every user but the computer's administrator (see
// RunningUser), who set the lock and may change what it holds. The system's
// file is never written at all. It may also name
// the settings folder, "[school] settingsDir=". The four choices and their
// defaults are declared once, in preferences.cpp, as the groups [display],
// [startup] and [school]; every choice starts off, every text empty.
// Other parts of the program keep their own groups in the same files (the
// desktop countdowns, the board, the exam schedule), each declared once as a
// PreferenceGroup, through read() and edit(). Nothing is kept between two
// reads: each reads the file as it stands, and an edit exists only inside
// its own save. The files are given at
// construction so tests can use temporary ones; which system file counts,
// and whether it locks, is decided there, for the run. A save never waits
// long for the file's lock, so the window that saves never stops.
// On Windows a Group Policy value (see Policies) stands over both files:
// Locked, SettingsDir, FullScreen, ScaleTextWithWindow, StayOnTop, Screen
// and whatever other part of the program asks for through policy().
class Preferences {
public:
    enum class Choice { FullScreen, ScaleTextWithWindow, StayOnTop, StartAtLogin };
    // Values that are words: the name of the screen of the last full screen.
    enum class Text { FullScreenScreen };

    // Whom the school's lock holds: a user, not the administrator.
    enum class Rights { User, Administrator };

    // The first of `systemFilePaths` that is a file is the system's.
    explicit Preferences(QString filePath = defaultFilePath(),
        const QStringList& systemFilePaths = defaultSystemFilePaths(),
        Policies policies = Policies::fromSystem(), Rights rights = runningUsersRights());
    // The same with the system's policies, for a user with `rights`.
    Preferences(QString filePath, const QStringList& systemFilePaths, Rights rights);

    // gaokao-countdown/gaokao-countdown.ini in the user's configuration
    // directory ($XDG_CONFIG_HOME, ~/.config, or the local application data
    // folder on Windows).
    static QString defaultFilePath();
    // gaokao-countdown/gaokao-countdown.ini in each system configuration
    // folder ($XDG_CONFIG_DIRS, /etc/xdg, or ProgramData on Windows).
    static QStringList defaultSystemFilePaths();
    static Rights runningUsersRights();
    QString filePath() const { return m_filePath; }

    // These preferences with the file beside data.txt in the settings folder
    // `folder` (gaokao-countdown.ini there), which holds the groups whose
    // home is the settings folder: whoever edits them in a shared folder
    // edits them for every screen that uses it.
    Preferences inSettingsFolder(const QString& folder) const;
    // That file, or empty when no settings folder was given.
    QString folderFilePath() const { return m_folderFilePath; }

    // Which file a group is read from, and so where its values come from. A
    // Group Policy value (policy()) stands over whichever it is, key by key.
    enum class Source { SettingsFolder, UsersFile, SystemFile, None };
    // The one rule of precedence: for a group whose home is the settings
    // folder, the folder's file when it has the group; then the user's own
    // file when it has the group and the settings are not locked; then the
    // file for every user, when there is one; else the user's (None when
    // locked without a file for every user). Each file is looked at now.
    Source source(const PreferenceGroup& group) const;
    // The file of `source`, or empty.
    QString filePath(Source source) const;

    // The stored choice: the policy's, else the user's, else the system's, else its default. A
    // file counts as silent on a choice when it has none, holds no spelling
    // of true or false (see toBool()) or is no regular file (a pipe, a
    // folder). While locked, the user's file is not read.
    bool value(Choice choice) const;
    // Stores the choice and writes the user's file at once; what went wrong
    // when it could not be written. Refused while locked.
    [[nodiscard]] FileTrouble setValue(Choice choice, bool on) const;
    // The stored text, trimmed, or an empty one, the policy's first; stored as setValue() does.
    QString value(Text text) const;
    [[nodiscard]] FileTrouble setValue(Text text, const QString& value) const;

    // Whether an administrator has locked the settings, by policy or in the
    // system's file, for this user: the computer's administrator is never
    // locked.
    bool isLocked() const { return m_locked; }
    // Where the school's lock was set (the policy's registry key, or the
    // file for every user), also when it does not hold this user, the
    // computer's administrator; empty when there is none.
    QString lockPlace() const { return m_lockPlace; }
    // What keeps the system's file from counting as its administrator meant,
    // one line each, as written to the log (gaokao.preferences): it cannot be
    // read, holds bytes that are no text or more than the program reads,
    // nothing the program knows, or a lock that is neither true nor false;
    // a policy of the wrong kind, or no true or false where one is asked for.
    // Empty when all is well.
    QStringList problems() const { return m_problems; }
    // The settings folder the policy or else the system's file names, or empty. Only an
    // absolute one counts: a relative one would depend on where the program
    // was started from, and is ignored with a warning in the log.
    QString schoolSettingsFolder() const;
    // Whether that folder is the policy's rather than the system file's.
    bool settingsFolderByPolicy() const;

    // The keys of `group` in the file where the group counts (see source());
    // none when that is no regular file. Read now, as the file is.
    PreferenceValues read(const PreferenceGroup& group) const;
    // The policy for the group's key at `index`, if it is declared to have
    // one and one is set: what read() gives does not hold it.
    std::optional<QString> policy(const PreferenceGroup& group, int index) const;
    // Lets `change` change `group` of the user's file (of the settings
    // folder's, for a group whose home that is, when a folder was given),
    // given as the file holds it now, and writes the file at once; every line of the file that
    // the change leaves as it was keeps its bytes. The file is read under its
    // lock, which every copy of the program holds until its write is done:
    // what `change` is given (and what it reads through read()) is what it
    // writes over. Nothing is written when nothing changed. Refused while
    // locked, and for a file longer than the program reads whole or with
    // bytes that are no text; when refused or failed, the file is as it was.
    [[nodiscard]] FileTrouble edit(
        const PreferenceGroup& group, const std::function<void(PreferenceValues&)>& change) const;

    // The groups this class keeps itself: [display], [startup] and [school].
    static QList<const PreferenceGroup*> ownGroups();
    // The line for the log and 关于 when the system's file holds no key of
    // any of the `known` groups (a file meant for another program, or
    // misspelt throughout); empty otherwise.
    QString unknownContent(const QList<const PreferenceGroup*>& known) const;

    // True or false as a person may write it in the file: true, yes, on, 1
    // and their opposites, any case, quoted or not.
    static std::optional<bool> toBool(QString text);

private:
    void readSystemFile();
    void readPolicies();
    std::optional<bool> policyChoice(const PreferenceGroup& group, int index);
    FileTrouble write(const QString& path, const PreferenceGroup& group,
        const std::function<void(PreferenceValues&)>& change) const;
    QString editedFile(const PreferenceGroup& group) const;
    std::pair<Source, IniDocument> counting(const PreferenceGroup& group) const;

    QString m_filePath;
    QString m_folderFilePath;
    QString m_systemFilePath;
    Policies m_policies;
    bool m_locked = false;
    QString m_lockPlace;
    QStringList m_problems;
};
