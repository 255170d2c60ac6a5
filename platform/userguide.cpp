// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "userguide.h"

#include "programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace UserGuide {

QString installedFile()
{
    const QString path = QDir::cleanPath(
        QCoreApplication::applicationDirPath() + u'/' + ProgramInfo::guideFromProgramFolder);
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace UserGuide
