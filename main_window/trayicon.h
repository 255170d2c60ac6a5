// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

class QMenu;
class QWidget;
class CountdownModel;
class TrayMenu;

// The program's icon in the desktop's tray, there while at least one desktop
// countdown is and the desktop has a tray at all: its menu (`TrayMenu`), and
// a click that shows or hides the main window, for someone who wants only
// the widgets on the screen. Its tooltip names the program and the
// countdowns that could not be read. When the icon goes while the window is
// hidden, the window shows again, as there would be no way left to bring it
// back. Qt tells nothing when a tray comes or goes: a program started at
// login may come before the desktop's panel, so the tray is looked for every
// few seconds until it is there, and while the window is hidden the tray is
// looked at every second, so that the window is back as soon as a panel that
// went away (restarted, removed) has taken the icon with it.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kLookAgainMs = 10'000;
    static constexpr int kWatchWhileHiddenMs = 1'000;

    // Tells whether the desktop has a tray now.
    using Availability = std::function<bool()>;

    // Becomes a child of `window`; the tray's menu holds `windowMenu`'s items.
    TrayIcon(QWidget* window, QMenu* windowMenu, CountdownModel* countdowns,
        Availability trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable);

    // Null while there is no icon.
    QSystemTrayIcon* icon() const { return m_icon; }
    void toggleWindow();

private:
    void update();
    void showWindow();

    QWidget* m_window;
    TrayMenu* m_menu;
    CountdownModel* m_countdowns;
    Availability m_trayAvailable;
    QSystemTrayIcon* m_icon = nullptr;
    QTimer m_lookAgain;
};
