// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontsubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

void installFontSubstitutes()
{
    const QStringList sans { u"Noto Sans CJK SC"_s, u"WenQuanYi Zen Hei"_s };
    const QStringList brush { u"LXGW WenKai"_s, u"AR PL UKai CN"_s };
    const QStringList kai { u"AR PL UKai CN"_s, u"LXGW WenKai"_s };
    const QStringList serif { u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s };
    QFont::insertSubstitutions(u"黑体"_s, sans);
    QFont::insertSubstitutions(u"隶书"_s, brush);
    QFont::insertSubstitutions(u"华文新魏"_s, brush);
    QFont::insertSubstitutions(u"楷体_GB2312"_s, kai);
    QFont::insertSubstitutions(u"宋体"_s, serif);

    // Qt reads the system's font list at the first use of a font, which
    // takes fontconfig a good part of the start-up. Read here on another
    // thread instead, the list is ready by the time the windows are built.
    // The font database is thread-safe, and QCoreApplication waits for the
    // global pool before it goes. Without an application object there is no
    // font database to read yet.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        (void)QtConcurrent::run([] { QFontDatabase::families(); });
}
