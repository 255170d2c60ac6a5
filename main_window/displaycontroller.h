// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "autostart.h"
#include "choicesaver.h"
#include "preferences.h"
#include "textscaler.h"

#include <QObject>
#include <QSize>

class QAction;
class QMenu;
class QWidget;
class Form1;
class FullScreen;

// The main window as a classroom display: full screen on the window's own
// screen (F11, a double-click on the background, Escape to leave), text that
// grows with the window, staying on top, starting at login, and the
// right-click menu that offers all of these with the settings, the about box
// and the exit. Full screen itself is `FullScreen`'s; it always grows the
// text, the ordinary window does so only when asked. The four choices are kept in the program's
// preferences, never in the settings file.
class DisplayController : public QObject {
    Q_OBJECT
public:
    // Becomes a child of `window`. The menu's 自定义设置… and 退出 do what the
    // window's two buttons do.
    DisplayController(Form1* window, Preferences preferences, Autostart autostart);

    // Applies the remembered choices, and for this run the command line's.
    void start(bool fullScreen, bool onTop);

    bool isFullScreen() const;
    void setFullScreen(bool on);
    void setScaleTextWithWindow(bool on);
    void setStayOnTop(bool on);
    void setStartAtLogin(bool on);

    QMenu* menu() const { return m_menu; }
    qreal textFactor() const { return m_text.factor(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addChoice(
        const QString& text, const QString& name, void (DisplayController::*set)(bool));
    void popUpMenu(QPoint globalPos);
    void showAbout();
    void updateText();
    void fullScreenSwitched(bool on);

    Form1* m_window;
    QSize m_designSize;
    Preferences m_preferences;
    Autostart m_autostart;
    ChoiceSaver m_choices;
    bool m_started = false;
    TextScaler m_text;
    FullScreen* m_fullScreenMode;
    QMenu* m_menu;
    QAction* m_fullScreen;
    QAction* m_scaleText;
    QAction* m_onTop;
    QAction* m_atLogin;
};
