// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowssettingsfolder.h"

#include "settingsfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace WindowsSettingsFolder {

QString choose(const QString& programFiles, const QString& virtualStore, const Probe& probe)
{
    if (probe.canWrite(programFiles))
        return programFiles;
    if (probe.hasFile(programFiles) && !probe.hasFile(virtualStore))
        return programFiles;
    return virtualStore;
}

namespace {
    // Rights are asked of the file system the only reliable way, by writing:
    // the access lists of Windows say more than the permission bits Qt reads.
    bool canWrite(const QString& folder)
    {
        QString existing = folder;
        while (!QFileInfo(existing).isDir()) {
            const QString parent = QFileInfo(existing).absolutePath();
            if (parent == existing)
                return false;
            existing = parent;
        }
        QTemporaryFile probe(QDir(existing).filePath(u".gaokao-countdown-probe-XXXXXX"_s));
        return probe.open();
    }

    bool hasFile(const QString& folder)
    {
        return QFileInfo(QDir(folder).filePath(SettingsFolder::kFileName)).isFile();
    }
}

QString onThisComputer()
{
    const QString programFiles = u"C:/Program Files/"_s + SettingsFolder::kFolderName;
    const QString virtualStore
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + u"/VirtualStore/Program Files/"_s + SettingsFolder::kFolderName;
    return QDir::toNativeSeparators(choose(programFiles, virtualStore, { canWrite, hasFile }));
}

} // namespace WindowsSettingsFolder
