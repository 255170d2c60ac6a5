// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringView>

// One key of a group: its name as the program writes it, the value it has
// when no file says otherwise, and whether a Group Policy value of the same
// name (with a capital: "stayOnTop" is StayOnTop) stands over the files.
struct PreferenceKey {
    QString name;
    QString defaultValue;
    bool policy = false;
};

// A group's keys as a file holds them, by name in the group's spelling
// ("theme" → "red"; in an array "1/title" → "一模", "size" → "2").
using PreferenceValues = QMap<QString, QString>;

// One group of the preferences file ("[board]"), declared once where the part
// of the program that keeps it lives, as a table of its keys in the order
// they are written, and handed to whatever reads or writes it. The file is
// read as Windows' own INI reader reads one, names in any case, so each name
// is taken in the spelling declared here, which is also the one written.
// An array group holds numbered entries ("1\title=", "2\title=") and their
// count ("size="); its keys are an entry's.
//
// A group lives in the user's own file, or, where it is about what every
// screen of a school shows (the exam schedule, the board's look), in the
// file beside data.txt in the settings folder (see Preferences::source()).
class PreferenceGroup {
public:
    enum class Kind { Keys, Array };
    enum class Home { UsersFile, SettingsFolder };

    PreferenceGroup(QString name, QList<PreferenceKey> keys, Kind kind = Kind::Keys,
        Home home = Home::UsersFile);

    QString name() const { return m_name; }
    bool isArray() const { return m_kind == Kind::Array; }
    Home home() const { return m_home; }
    // The keys in the order written; a part of the program names one by the
    // index its own enum gives it.
    const QList<PreferenceKey>& keys() const { return m_keys; }
    const PreferenceKey& key(int index) const { return m_keys.at(index); }
    // An array's count of entries, "size".
    static QString sizeKey();

    // `key` ("Theme", "3/TITLE") in the declared spelling, in any case; a
    // name the group does not declare stays as it stands.
    QString spelled(QStringView key) const;
    // Whether `key` (already spelled) is one the group declares: a key, or in
    // an array the count or an entry's key.
    bool declares(const QString& key) const;
    // Whether `a` is written before `b`: declared keys in their order before
    // any other, alphabetically; in an array the count first, then the
    // entries by number, each with its keys in the declared order.
    bool writtenBefore(const QString& a, const QString& b) const;

private:
    QString spelledName(QStringView name) const;
    int rank(const QString& name) const;

    QString m_name;
    QList<PreferenceKey> m_keys;
    Kind m_kind;
    Home m_home;
};
