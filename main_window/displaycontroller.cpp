// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycontroller.h"

#include "form1.h"
#include "form1design.h"
#include "fullscreen.h"
#include "logging.h"
#include "settingslock.h"
#include "textscaler.h"
#include "twips.h"
#include "usermessage.h"
#include "windowmenu.h"

#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;
using Text = Preferences::Text;

namespace {
QList<QWidget*> controlWidgets(const Form1* window)
{
    QList<QWidget*> widgets;
    for (const TwipsControl& control : window->controls()) {
        if (auto* widget = qobject_cast<QWidget*>(control.object()))
            widgets.append(widget);
    }
    return widgets;
}

// The screen of that name, else (as an administrator may give it, and the
// MSI's SCREEN= does) of that number, 1 the first; none for neither.
QScreen* screenNamed(const QString& name)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        if (screen->name() == name)
            return screen;
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    return isNumber && number >= 1 && number <= screens.size() ? screens.at(number - 1) : nullptr;
}
}

DisplayController::DisplayController(Form1* window, Preferences preferences, Autostart autostart)
    : QObject(window)
    , m_window(window)
    , m_preferences(std::move(preferences))
    , m_autostart(std::move(autostart))
    , m_saver(m_preferences, window)
    , m_fullScreen(new FullScreen(window))
    , m_text(new TextScaler(window,
          QSize(Twips::toPixels(Form1Design::kInnerWidth),
              Twips::toPixels(Form1Design::kInnerHeight)),
          controlWidgets(window)))
    , m_menu(new WindowMenu(window))
{
    connect(m_menu, &WindowMenu::chosen, this, &DisplayController::choose);
    connect(m_fullScreen, &FullScreen::switched, this, &DisplayController::fullScreenSwitched);
}

void DisplayController::start(bool fullScreen, bool onTop, QScreen* screen)
{
    m_scaleText = m_preferences.value(Choice::ScaleTextWithWindow);
    m_menu->setChecked(Choice::ScaleTextWithWindow, m_scaleText);
    // The entry itself tells, should someone have removed it meanwhile.
    m_menu->setChecked(Choice::StartAtLogin, m_autostart.isEnabled());
    if (m_preferences.isLocked()) {
        m_window->setSettingsLocked(true);
        m_menu->lockChoices(SettingsLock::reason());
    }
    if (m_autostart.isSetForAllUsers())
        m_menu->showStartAtLoginForAllUsers();
    const bool top = onTop || m_preferences.value(Choice::StayOnTop);
    m_menu->setChecked(Choice::StayOnTop, top);
    if (top)
        m_window->setWindowFlag(Qt::WindowStaysOnTopHint);
    // The window keeps its centred design size as its normal geometry, to
    // which leaving full screen returns.
    if (fullScreen || m_preferences.value(Choice::FullScreen)) {
        placeOn(screen ? screen : screenNamed(m_preferences.value(Text::FullScreenScreen)));
        m_fullScreen->setOn(true);
    }
    updateText();
    m_started = true;
}

void DisplayController::choose(Choice choice, bool on)
{
    switch (choice) {
    case Choice::FullScreen:
        // Chosen from the tray while the window is hidden or minimized, it
        // is a way to see the window: full screen, in front.
        if (!m_window->isVisible() || m_window->isMinimized()) {
            setFullScreen(true);
            return m_fullScreen->bringForward();
        }
        return setFullScreen(on);
    case Choice::ScaleTextWithWindow:
        return setScaleTextWithWindow(on);
    case Choice::StayOnTop:
        return setStayOnTop(on);
    case Choice::StartAtLogin:
        return setStartAtLogin(on);
    }
}

void DisplayController::bringForward()
{
    m_fullScreen->bringForward();
    qCInfo(lcCopy) << "brought forward at another start; full screen:" << isFullScreen();
}

bool DisplayController::isFullScreen() const { return m_fullScreen->isOn(); }

void DisplayController::setFullScreen(bool on)
{
    m_menu->setChecked(Choice::FullScreen, on);
    m_fullScreen->setOn(on);
}

void DisplayController::setScaleTextWithWindow(bool on)
{
    m_saver.remember(Choice::ScaleTextWithWindow, on);
    m_menu->setChecked(Choice::ScaleTextWithWindow, on);
    m_scaleText = on;
    updateText();
}

void DisplayController::setStayOnTop(bool on)
{
    m_saver.remember(Choice::StayOnTop, on);
    m_menu->setChecked(Choice::StayOnTop, on);
    if (m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // A new window flag takes a new native window.
    m_fullScreen->replaceNativeWindow(
        [this, on] { m_window->setWindowFlag(Qt::WindowStaysOnTopHint, on); });
}

void DisplayController::setStartAtLogin(bool on)
{
    const FileTrouble trouble = m_autostart.setEnabled(on);
    if (!trouble.isNone()) {
        on = m_autostart.isEnabled();
        UserMessage::tell(m_window, UserMessage::Kind::Warning,
            u"无法设置开机自动启动。\n%1"_s.arg(trouble.message()));
    }
    m_saver.remember(Choice::StartAtLogin, on);
    m_menu->setChecked(Choice::StartAtLogin, on);
}

void DisplayController::fullScreenSwitched(bool on)
{
    // The command line's full screen holds for this run only.
    if (m_started)
        m_saver.remember(Choice::FullScreen, on);
    if (m_started && on && m_window->screen())
        m_saver.remember(Text::FullScreenScreen, m_window->screen()->name());
    m_menu->setChecked(Choice::FullScreen, on);
    updateText();
}

void DisplayController::placeOn(QScreen* screen)
{
    // Full screen fills the screen the window is on, and leaving it brings
    // the window back to its place: centred on that screen, as it is on the
    // primary one when started plainly.
    if (!screen || screen == m_window->screen())
        return;
    m_window->move(screen->availableGeometry().center() - m_window->rect().center());
}

void DisplayController::updateText() { m_text->setGrowing(isFullScreen() || m_scaleText); }
