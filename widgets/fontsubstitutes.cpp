// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontsubstitutes.h"

#include "systemfonts.h"
#include "workpool.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
struct StandIns {
    QString family;
    QStringList onWindows;
    QStringList free;
};

// Windows 10 and 11 bring 黑体 (SimHei), 宋体 (SimSun), 楷体 (KaiTi) and 微软雅黑
// (Microsoft YaHei). 楷体_GB2312 is the name KaiTi had before Vista; 隶书 (LiSu)
// comes with the Chinese supplemental fonts, which may be missing, and 华文新魏
// (STXinwei) only with Office. Xinwei is a brush face of regular-script build,
// so KaiTi stands in for it rather than LiSu's flat clerical script, which
// would also make it look like the labels set in 隶书; the free fonts follow
// the same reasoning. On Windows the free ones come last: Wine may offer them.
const QList<StandIns>& standIns()
{
    using namespace LayoutFonts;
    const QString yaHei = u"Microsoft YaHei"_s;
    const QString wenKai = u"LXGW WenKai"_s;
    const QString uKai = u"AR PL UKai CN"_s;
    // clang-format off
    static const QList<StandIns> table {
        //  family        on Windows                           free
        { kHeiti,       { u"SimHei"_s, yaHei },                { u"Noto Sans CJK SC"_s, u"WenQuanYi Zen Hei"_s } },
        { kLishu,       { u"LiSu"_s, u"KaiTi"_s, yaHei },      { wenKai, uKai } },
        { kXinwei,      { u"STXinwei"_s, u"KaiTi"_s, yaHei },  { wenKai, uKai } },
        { kKaitiGb2312, { u"KaiTi"_s, yaHei },                 { uKai, wenKai } },
        { kSongti,      { u"SimSun"_s, yaHei },                { u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s } },
    };
    // clang-format on
    return table;
}
}

void installFontSubstitutes()
{
    for (const StandIns& row : standIns()) {
        if (SystemFonts::bringsWindowsFonts())
            QFont::insertSubstitutions(row.family, row.onWindows);
        QFont::insertSubstitutions(row.family, row.free);
    }

    // Qt reads the system's font list at the first use of a font, which
    // takes fontconfig a good part of the start-up. Read here on another
    // thread instead, the list is ready by the time the windows are built.
    // The font database is thread-safe, and the application waits for the
    // pool before it goes. Without an application object there is no font
    // database to read yet.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        (void)WorkPool::start([] { QFontDatabase::families(); });
}
