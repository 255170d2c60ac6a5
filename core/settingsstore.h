// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "settingsfolder.h"
#include "settingsrecord.h"
#include "settingstext.h"

#include <QString>
#include <QStringList>

// The settings file "data.txt": four GB18030 text lines ending in CR LF (the
// write stamp, the target, the title, the heading) in one settings folder.
// The folder is given at construction so tests can use temporary folders; the
// clock stamps each write.
class SettingsStore {
public:
    // `encoding` is the file's, named for Qt's converters; tests name one
    // that is not there.
    explicit SettingsStore(QString folder = defaultFolder(), Clock clock = systemNow,
        QByteArray encoding = SettingsText::kEncoding);

    // "C:\Program Files\VEKTemp" on Windows, VEKTemp in the user's
    // configuration directory elsewhere.
    static QString defaultFolder();
    static QString fileName() { return SettingsFolder::kFileName; }

    QString folder() const { return m_folder; }
    QString filePath() const;
    const Clock& clock() const { return m_clock; }

    // On a start without the settings folder: creates it and a file with the
    // defaults. An existing folder is left alone, even without the file.
    // Every failure is skipped; a folder made for a file that could not be
    // written is removed again, so that the next start tries anew. Returns
    // why the folder could not be created, if it could not.
    FileTrouble EnsureSettingsFile() const;

    // Reads the first four lines, never more than 64 KiB. Anything but a
    // regular file counts as missing and is never waited on (see RegularFile).
    LoadResult LoadSettings() const;

    // Replaces the file atomically with a new write stamp, the target line
    // built from the texts as typed, the title and the heading. Creates the
    // folder if needed. On failure the old file is left as it was. A file
    // longer than LoadSettings reads is refused before anything is written.
    // Returns what failed, if anything.
    [[nodiscard]] FileTrouble SaveSettings(const QString& year, const QString& month,
        const QString& day, const QString& title, const QString& heading) const;

    // Line 2 as a save writes it: "year-month-day 9:00:00 ".
    static QString targetLine(const QString& year, const QString& month, const QString& day);

    // What is wrong with the file as `load` found it, naming the settings file
    // (or the folder that could not be made for it); none when it read whole.
    FileTrouble troubleOf(const LoadResult& load) const;

    static constexpr qint64 kMaxReadBytes = 64 * 1024;

    // How many GB18030 bytes the title and heading may take together when the
    // first two lines are `stampLine` and `targetLine`.
    static qint64 textBudget(const QString& stampLine, const QString& targetLine);

    // Temporary copies of killed saves older than this are removed by a save.
    static constexpr qint64 kAbandonedAfterSeconds = 10 * 60;

private:
    FileTrouble writeLines(const QStringList& lines) const;

    QString m_folder;
    Clock m_clock;
    QByteArray m_encoding;
};
