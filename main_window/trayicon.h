// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class QMenu;
class QSystemTrayIcon;
class QWidget;
class CountdownModel;

// The program's icon in the desktop's tray, there while at least one desktop
// countdown is and the desktop has a tray at all: the window's menu on it,
// and a click that shows or hides the main window, for someone who wants only
// the widgets on the screen. Its tooltip names the program and the
// countdowns that could not be read. While the main window is hidden, closing
// any other window does not end the program; when the icon goes, the window
// shows again, as there would be no way left to bring it back. A program
// started at login may come before the desktop's panel: the tray is looked
// for again every few seconds until it is there.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kLookAgainMs = 10'000;

    // Becomes a child of `window`.
    TrayIcon(QWidget* window, QMenu* menu, CountdownModel* countdowns);

    // Null while there is no icon.
    QSystemTrayIcon* icon() const { return m_icon; }
    void toggleWindow();

private:
    void update();
    void showWindow();

    QWidget* m_window;
    QMenu* m_menu;
    CountdownModel* m_countdowns;
    QSystemTrayIcon* m_icon = nullptr;
    QTimer m_lookAgain;
};
