// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QSize>
#include <QStringList>

// One screen of Qt's offscreen platform: its size in logical pixels and how
// many device pixels it has to each (2.25 for a 4K panel at 225 %).
struct OffscreenScreen {
    QSize size;
    qreal dpr = 1;
};

// Gives Qt's offscreen platform these screens, side by side, instead of its
// one of 800 × 600, for a program that has not yet made its application: call
// it first in main. The configuration file lives as long as the program in
// the temporary folder (on Windows in the working folder).
inline void useOffscreenScreens(const QList<OffscreenScreen>& screens)
{
    QStringList entries;
    QStringList names;
    int x = 0;
    for (const OffscreenScreen& screen : screens) {
        const QString name = QStringLiteral("%1x%2@%3")
                                 .arg(screen.size.width())
                                 .arg(screen.size.height())
                                 .arg(screen.dpr);
        entries << QStringLiteral(R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4,
            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %5})")
                       .arg(screens.size() == 1 ? QStringLiteral("offscreen") : name)
                       .arg(x)
                       .arg(screen.size.width())
                       .arg(screen.size.height())
                       .arg(screen.dpr);
        names << name;
        x += screen.size.width();
    }
    const QString fileName = QStringLiteral("gaokao-offscreen-%1.json").arg(names.join(u'-'));
#ifdef Q_OS_WIN
    // Qt splits the platform's options at colons, a drive's one included: the
    // file goes into the working folder, named without one.
    const QString path = fileName;
#else
    const QString path = QDir::temp().filePath(fileName);
#endif
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QStringLiteral(R"({"screens": [%1]})").arg(entries.join(u", ")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

// One screen of `size`.
inline void useOffscreenScreen(QSize size) { useOffscreenScreens({ { size, 1 } }); }
