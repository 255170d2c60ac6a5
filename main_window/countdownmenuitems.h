// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class CountdownCommands;
class WindowMenu;

// The desktop countdowns in the window's menu (and so in the tray's, which
// holds its items): 添加倒计时…, and while there are countdowns one submenu
// each with the commands of its right-click menu, so that a keyboard reaches
// all of them and a click-through widget can be switched back. The submenus
// follow the countdowns as they change.
class CountdownMenuItems : public QObject {
    Q_OBJECT
public:
    // Becomes a child of `window`, over which the dialog opens. 退出程序 in a
    // countdown's menu is the window menu's 退出.
    CountdownMenuItems(WindowMenu* menu, CountdownCommands* commands, QWidget* window);

private:
    void rebuild();

    QMenu* m_menu;
    CountdownCommands* m_commands;
    QWidget* m_window;
    // 添加倒计时… goes above this one, 自定义设置…, and the countdowns right under it.
    QAction* m_before;
    QAction* m_add;
    QList<QPointer<QMenu>> m_submenus;
};
