// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemconfigfolders.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace SystemConfigFolders {

QStringList list()
{
#ifdef Q_OS_WIN
    return { QDir::fromNativeSeparators(
        qEnvironmentVariable("ProgramData", u"C:\\ProgramData"_s)) };
#else
    QStringList folders;
    // A relative folder in the list would depend on where the program was
    // started from: such a folder is passed over, as desktops do.
    for (const QString& folder :
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(QDir::cleanPath(folder));
    }
    if (folders.isEmpty())
        folders.append(u"/etc/xdg"_s);
    return folders;
#endif
}

} // namespace SystemConfigFolders
