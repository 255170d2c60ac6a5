// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

// The tray icon's menu: 显示主窗口 at the top, then the items of the main
// window's menu, the very same actions, following it as items come and go
// there (a countdown's submenu, 添加倒计时…). The window's own menu does not
// offer to show the window it was opened on; the tray's is where someone
// looks for a window that is hidden, minimized or behind others.
class TrayMenu : public QMenu {
    Q_OBJECT
public:
    // A child of `parent`, as the window's menu is.
    TrayMenu(QMenu* windowMenu, QWidget* parent);

signals:
    void showWindowChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* m_windowMenu;
};
