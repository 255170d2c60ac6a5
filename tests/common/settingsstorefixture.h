// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeclock.h"
#include "settingsfile.h"
#include "settingsstore.h"

#include <QTemporaryDir>

// The bytes of a settings file with these four lines, each ended as the
// program ends it, in the file's encoding.
inline QByteArray settingsFileBytes(
    const QString& stamp, const QString& target, const QString& title, const QString& heading)
{
    return gb18030(QStringList { stamp, target, title, heading, {} }.join(QStringLiteral("\r\n")));
}

// A settings store on a temporary folder of its own and a fake clock. The
// settings folder is `folder` inside the temporary one, not made yet, or the
// temporary folder itself when `folder` is empty.
struct SettingsStoreFixture {
    explicit SettingsStoreFixture(const QString& folder = {})
        : store(folder.isEmpty() ? root.path() : root.filePath(folder), time.clock())
    {
    }

    // Replaces the settings file with these four lines.
    void writeSettings(const QString& stamp, const QString& target, const QString& title,
        const QString& heading) const
    {
        writeFile(store.filePath(), settingsFileBytes(stamp, target, title, heading));
    }

    QTemporaryDir root;
    FakeClock time;
    SettingsStore store;
};
