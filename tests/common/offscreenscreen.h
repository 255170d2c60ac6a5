// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSize>

// Gives Qt's offscreen platform one screen of `size` instead of its 800 × 600,
// for a program that has not yet made its application: call it first in main.
// The configuration file lives as long as the program in the temporary folder
// (on Windows in the working folder).
inline void useOffscreenScreen(QSize size)
{
    const QString name
        = QStringLiteral("gaokao-offscreen-%1x%2.json").arg(size.width()).arg(size.height());
#ifdef Q_OS_WIN
    // Qt splits the platform's options at colons, a drive's one included: the
    // file goes into the working folder, named without one.
    const QString path = name;
#else
    const QString path = QDir::temp().filePath(name);
#endif
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(QStringLiteral(R"({"screens": [{"name": "offscreen", "x": 0, "y": 0,
            "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(size.width())
                       .arg(size.height())
                       .toUtf8());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}
