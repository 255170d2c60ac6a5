// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyendpoint.h"

#include "programinfo.h"

#include <QCryptographicHash>

using namespace Qt::StringLiterals;

QString CopyEndpoint::socketName(const QString& settingsFolder)
{
    const QByteArray key = (userKey() + u'\n' + folderKey(settingsFolder)).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return u"%1-%2"_s.arg(ProgramInfo::commandName, QString::fromLatin1(hash.left(24)));
}
