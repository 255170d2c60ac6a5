// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fullscreen.h"

#include "pointerhider.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {
constexpr Qt::WindowStates kNotNormal
    = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
}

FullScreen::FullScreen(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_normalGeometry(window->geometry())
    , m_pointer(new PointerHider(window))
    , m_leave(new QAction(window))
{
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(kWindowManagerMs);
    connect(&m_answerTimer, &QTimer::timeout, this, &FullScreen::settle);
    m_leave->setShortcut(Qt::Key_Escape);
    m_leave->setEnabled(false);
    connect(m_leave, &QAction::triggered, this, [this] { setOn(false); });
    m_window->addAction(m_leave);
    m_window->installEventFilter(this);
}

void FullScreen::setOn(bool on)
{
    if (on == m_on)
        return;
    if (on)
        rememberNormalGeometry();
    m_retried = false;
    setSwitched(on);
    request();
}

void FullScreen::replaceNativeWindow(const std::function<void()>& change)
{
    const bool visible = m_window->isVisible();
    const bool active = m_window->isActiveWindow();
    if (!m_on)
        rememberNormalGeometry();
    change();
    // The new native window is an ordinary one, placed where Qt guesses the
    // old one's frame was (before the window manager tells the frame's size,
    // a guess that can be 20 pixels off), with the screen's size if full
    // screen. It gets the normal geometry, which the window manager keeps to
    // restore, and then full screen again, before it shows.
    if (m_on)
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowFullScreen);
    if (!(m_window->windowState() & kNotNormal))
        m_window->setGeometry(m_normalGeometry);
    if (m_on) {
        m_window->setWindowState(m_window->windowState() | Qt::WindowFullScreen);
        m_answerTimer.start();
    }
    if (visible)
        m_window->show();
    // The keys (F11, Escape) go on working without a click in the window.
    if (active)
        m_window->activateWindow();
}

void FullScreen::bringForward()
{
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    // Qt takes the full-screen state off and on again as the window leaves
    // the minimized one, and a window manager may end with it off (openbox
    // does): that is checked as any answer is, and asked again.
    m_retried = false;
    m_answerTimer.start();
}

void FullScreen::rememberNormalGeometry()
{
    // While a request is unanswered the window may still have the screen's
    // geometry, and the one remembered is still the one to return to: the
    // user cannot have moved the window meanwhile.
    if (!m_answerTimer.isActive() && !(m_window->windowState() & kNotNormal))
        m_normalGeometry = m_window->geometry();
}

void FullScreen::request()
{
    // Only the full-screen state changes: a maximised window stays maximised.
    m_window->setWindowState(m_window->windowState().setFlag(Qt::WindowFullScreen, m_on));
    // A window manager restores what it remembers, which need not be the
    // window's place (not for a native window made anew while full screen);
    // without one, nobody restores anything.
    if (!m_on && !(m_window->windowState() & kNotNormal))
        m_window->setGeometry(m_normalGeometry);
    m_answerTimer.start();
}

void FullScreen::settle()
{
    if (m_window->isFullScreen() != m_on) {
        // A late answer can make Qt take a request for one already done, and
        // drop it: ask once more. A window manager that still has it
        // otherwise has the last word.
        if (!m_retried) {
            m_retried = true;
            request();
            return;
        }
        setSwitched(m_window->isFullScreen());
    }
    m_retried = false;
    const QScreen* screen = m_window->screen();
    if (m_on && screen && m_window->geometry() != screen->geometry()) {
        // Nobody made the window fill its screen: no window manager runs (an
        // X display that runs only this program).
        m_window->setGeometry(screen->geometry());
        // A new geometry can drop the full-screen state, which still holds.
        m_window->setWindowState(m_window->windowState() | Qt::WindowFullScreen);
    } else if (!m_on && !(m_window->windowState() & kNotNormal)
        && m_window->geometry() != m_normalGeometry) {
        // The window manager's own restoring came after the program's.
        m_window->setGeometry(m_normalGeometry);
    }
}

void FullScreen::setSwitched(bool on)
{
    m_on = on;
    m_leave->setEnabled(on);
    m_pointer->setEnabled(on);
    emit switched(on);
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager's answers, and what it does on its own, come as
    // spontaneous state changes; the program's own requests do not.
    if (watched != m_window || event->type() != QEvent::WindowStateChange || !event->spontaneous())
        return false;
    if (m_answerTimer.isActive()) {
        // An answer to a request: the last one counts, once they stop coming.
        m_answerTimer.start();
    } else if (m_window->isFullScreen() != m_on) {
        setSwitched(m_window->isFullScreen());
        m_answerTimer.start();
    }
    return false;
}
