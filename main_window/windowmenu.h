// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

class QAction;
class QMenu;
class Form1;

// The main window's menu: the four display choices (全屏显示 also on F11),
// 自定义设置… and 退出, which do what the window's two buttons do, and 关于,
// the about box. It opens on a right-click on the window or any control but
// the text boxes, which keep their own editing menu, on the Menu key and on
// Shift+F10; a double-click on the background is 全屏显示 too. The menu only
// offers the choices and shows their state; what they do is the caller's.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    // Becomes a child of `window`.
    explicit WindowMenu(Form1* window);

    QMenu* menu() const { return m_menu; }
    // The item of that object name (settings, exit, ...), for items added from
    // outside to go beside it.
    QAction* action(const QString& name) const;
    void setChecked(Preferences::Choice choice, bool on);
    // Shows the choices that would change settings unavailable, each with
    // `reason` as its tooltip, and the reason itself under them. 全屏显示 stays.
    void lockChoices(const QString& reason);
    // 开机自动启动 as an administrator set it for every user: on, and not the
    // user's to switch off.
    void showStartAtLoginForAllUsers();
    // What 关于's 详情 tells: what this machine uses, as --status prints it.
    // Without it, what kept the file for every user from counting.
    void setStatus(std::function<QString()> status) { m_status = std::move(status); }

signals:
    // The user picked a choice, to be `on` now.
    void chosen(Preferences::Choice choice, bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addChoice(Preferences::Choice choice, const QString& text, const QString& name);
    void addKeys();
    void popUp(QPoint globalPos);
    void showAbout();

    QAction* choice(Preferences::Choice choice) const;

    Form1* m_window;
    QMenu* m_menu;
    std::array<QAction*, 4> m_choices {};
    QAction* m_afterChoices = nullptr;
    std::function<QString()> m_status;
};
