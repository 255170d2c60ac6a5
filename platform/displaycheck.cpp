// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include "programinfo.h"

using namespace Qt::StringLiterals;

QString DisplayCheck::message()
{
    return u"%1：找不到可用的显示（没有设置 DISPLAY 或 WAYLAND_DISPLAY，"
           u"或者无法连接），无法打开窗口。"_s.arg(ProgramInfo::commandName);
}
