// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class CountdownWidget;
class CountdownWidgets;

// The commands for one countdown, in its right-click menu and in the main
// window's menu alike, so that a keyboard can reach each of them and a
// click-through widget, which takes no right-click, can be switched back:
// 编辑…, 删除, 置顶, 置于桌面, 锁定位置, 鼠标穿透 and the background's
// opacity. They show the widget's state when filled in, and are greyed out
// while the set is locked.
namespace CountdownMenu {

void fill(QMenu* menu, CountdownWidgets* set, CountdownWidget* widget);

} // namespace CountdownMenu
