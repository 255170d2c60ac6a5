// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointerhider.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

PointerHider::PointerHider(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kHideAfterMs);
    connect(&m_timer, &QTimer::timeout, this, &PointerHider::hide);
    // Moves reach the widgets only where they track the mouse; the
    // application sees every one.
    qApp->installEventFilter(this);
}

PointerHider::~PointerHider() { show(); }

void PointerHider::setEnabled(bool on)
{
    m_enabled = on;
    if (on) {
        m_timer.start();
    } else {
        m_timer.stop();
        show();
    }
}

bool PointerHider::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_enabled)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        show();
        m_timer.start();
        break;
    case QEvent::WindowDeactivate:
        if (watched == m_window) {
            show();
            m_timer.stop();
        }
        break;
    case QEvent::WindowActivate:
        if (watched == m_window)
            m_timer.start();
        break;
    default:
        break;
    }
    return false;
}

void PointerHider::hide()
{
    // Not while a menu is open over the window, nor while another window has
    // the focus.
    if (m_hidden || !m_window || !m_window->isActiveWindow() || QApplication::activePopupWidget())
        return;
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    m_hidden = true;
}

void PointerHider::show()
{
    if (!m_hidden)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_hidden = false;
}
