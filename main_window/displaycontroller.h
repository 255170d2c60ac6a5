// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "autostart.h"
#include "choicesaver.h"
#include "preferences.h"

#include <QObject>

class Form1;
class FullScreen;
class QScreen;
class TextScaler;
class WindowMenu;

// The main window's four display choices, offered in its menu (`WindowMenu`):
// full screen (`FullScreen`), text that grows with the ordinary window too
// (`TextScaler`; full screen always grows it), staying on top and starting at
// login. It applies the remembered choices (and the screen of the last full
// screen) at start, does what each asks when
// chosen, and keeps them in the program's preferences (`ChoiceSaver`), never
// in the settings file. 全屏显示 chosen while the window is out of sight (from
// the tray) shows it full screen. When an administrator has locked the
// preferences, only full screen is offered, for the run, and the window's
// settings say that they are locked.
class DisplayController : public QObject {
    Q_OBJECT
public:
    // Becomes a child of `window`, and gives it its menu.
    DisplayController(Form1* window, Preferences preferences, Autostart autostart);

    // Applies the remembered choices, and for this run the command line's.
    // Full screen at start is on `screen` if given, else on the screen of
    // the last full screen if it is still there, else where the window is.
    void start(bool fullScreen, bool onTop, QScreen* screen = nullptr);

    // Shows the window again, minimized or hidden as it may be, in front and
    // active, full screen if it was.
    void bringForward();

    bool isFullScreen() const;
    void setFullScreen(bool on);
    void setScaleTextWithWindow(bool on);
    void setStayOnTop(bool on);
    void setStartAtLogin(bool on);

    WindowMenu* menu() const { return m_menu; }

private:
    void choose(Preferences::Choice choice, bool on);
    void fullScreenSwitched(bool on);
    void placeOn(QScreen* screen);
    void updateText();

    Form1* m_window;
    Preferences m_preferences;
    Autostart m_autostart;
    ChoiceSaver m_saver;
    bool m_started = false;
    bool m_scaleText = false;
    FullScreen* m_fullScreen;
    TextScaler* m_text;
    WindowMenu* m_menu;
};
