// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontsubstitutes.h"

#include "workpool.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

void installFontSubstitutes()
{
#if defined(Q_OS_WIN)
    // Windows 10 and 11 bring 黑体 (SimHei), 宋体 (SimSun), 楷体 (KaiTi) and
    // 微软雅黑 (Microsoft YaHei). 楷体_GB2312 is the name KaiTi had before
    // Vista; 隶书 (LiSu) comes with the Chinese supplemental fonts, which may
    // be missing, and 华文新魏 (STXinwei) only with Office. Xinwei is a brush
    // face of regular-script build, so KaiTi stands in for it rather than
    // LiSu's flat clerical script, which would also make it look like the
    // labels set in 隶书. Qt knows a font by its Chinese name only where
    // Windows lists it so (a Chinese display language): the English names
    // come first. The families below are Linux ones, which Wine may offer.
    const QString yaHei = u"Microsoft YaHei"_s;
    QFont::insertSubstitutions(u"黑体"_s, { u"SimHei"_s, yaHei });
    QFont::insertSubstitutions(u"隶书"_s, { u"LiSu"_s, u"KaiTi"_s, yaHei });
    QFont::insertSubstitutions(u"华文新魏"_s, { u"STXinwei"_s, u"KaiTi"_s, yaHei });
    QFont::insertSubstitutions(u"楷体_GB2312"_s, { u"KaiTi"_s, yaHei });
    QFont::insertSubstitutions(u"宋体"_s, { u"SimSun"_s, yaHei });
#endif
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
    // The font database is thread-safe, and the application waits for the
    // pool before it goes. Without an application object there is no font
    // database to read yet.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        (void)WorkPool::start([] { QFontDatabase::families(); });
}
