// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// What an administrator sets through Group Policy on Windows: the values in
// the registry under Software\Policies\gaokao-countdown, the computer's
// (HKEY_LOCAL_MACHINE) before the user's (HKEY_CURRENT_USER). A value is
// named as the preferences file's key without its section, with a capital
// ("display/stayOnTop" is StayOnTop, "school/settingsDir" SettingsDir) and
// is a text (REG_SZ) or a number (REG_DWORD, 1 for on and 0 for off); one of
// another kind is left out with a line in problems(). Elsewhere than Windows
// there are none.
class Policies {
public:
    // No policy at all.
    Policies() = default;
    // The registry's, read now.
    static Policies fromSystem();

    // Adds the values of one registry key (`where`, for problem lines), by
    // name; one a key added before holds already stays as it was.
    void add(const QVariantMap& values, const QString& where);

    // The text of the policy for the preferences file's `key`, if it is set.
    std::optional<QString> value(const QString& key) const;
    // The registry's name for the file's `key`.
    static QString valueName(const QString& key);
    // Where the policy for `name` was read, for messages.
    QString place(const QString& key) const;
    // A line for each value that was left out.
    QStringList problems() const { return m_problems; }

private:
    struct Value {
        QString text;
        QString where;
    };
    // By the value's name in lower case: the registry's names are.
    QHash<QString, Value> m_values;
    QStringList m_problems;
};
