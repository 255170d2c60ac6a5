// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QList>
#include <QObject>

class QAction;
class QScreen;
class QWidget;
class BoardLookMenu;
class BoardScreens;
class Form1;
class WindowMenu;

// The classroom board in the main window's menu (and so in the tray's, the
// same menu): 大屏显示 on its own key, which opens the board on the window's
// screen and closes it again, 考试安排… and 大屏外观 (BoardLookMenu), which is
// in every board's right-click menu too. It makes the boards, shows on
// them what the window shows (its title, heading and target) at each tick of
// the window's timer, and does what a board asks: 考试安排… over it, and
// 退出程序 as the window's own 退出 button, back at the window. Over a board the
// pointer hides as over the window in full screen.
class BoardMenuItems : public QObject {
    Q_OBJECT
public:
    // Becomes a child of `window`.
    BoardMenuItems(WindowMenu* menu, Form1* window, const Preferences& preferences);

    // One board on each of `screens`; on the window's screen when empty.
    void open(const QList<QScreen*>& screens);
    BoardScreens* boards() const { return m_boards; }
    BoardLookMenu* look() const { return m_look; }

private:
    void editSchedule(QWidget* over);

    Form1* m_window;
    bool m_locked;
    BoardScreens* m_boards;
    QAction* m_board;
    BoardLookMenu* m_look;
};
