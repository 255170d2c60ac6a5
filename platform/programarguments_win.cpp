// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programarguments.h"

#include <QCoreApplication>

QStringList ProgramArguments::text(int argc, char* argv[])
{
    if (QCoreApplication::instance())
        return QCoreApplication::arguments();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QByteArrayList ProgramArguments::fileNameBytes(int, char*[]) { return {}; }
