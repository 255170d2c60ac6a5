// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayicon.h"

#include "countdownmodel.h"
#include "plaintooltip.h"
#include "programinfo.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

using namespace Qt::StringLiterals;

TrayIcon::TrayIcon(QWidget* window, QMenu* menu, CountdownModel* countdowns)
    : QObject(window)
    , m_window(window)
    , m_menu(menu)
    , m_countdowns(countdowns)
{
    m_lookAgain.setInterval(kLookAgainMs);
    connect(&m_lookAgain, &QTimer::timeout, this, &TrayIcon::update);
    connect(countdowns, &CountdownModel::added, this, &TrayIcon::update);
    connect(countdowns, &CountdownModel::removed, this, &TrayIcon::update);
    update();
}

void TrayIcon::update()
{
    const bool hasCountdowns = m_countdowns->count() > 0;
    const bool wanted = hasCountdowns && QSystemTrayIcon::isSystemTrayAvailable();
    if (hasCountdowns && !wanted)
        m_lookAgain.start();
    else
        m_lookAgain.stop();
    if (wanted && !m_icon) {
        m_icon = new QSystemTrayIcon(m_window->windowIcon(), this);
        m_icon->setObjectName(u"trayIcon"_s);
        m_icon->setContextMenu(m_menu);
        const QStringList lines = QStringList { ProgramInfo::name } + m_countdowns->skipped();
        m_icon->setToolTip(plainToolTip(lines.join(u'\n')));
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](auto reason) {
            if (reason == QSystemTrayIcon::Trigger)
                toggleWindow();
        });
        m_icon->show();
    } else if (!wanted && m_icon) {
        delete m_icon;
        m_icon = nullptr;
        if (!m_window->isVisible())
            showWindow();
    }
}

void TrayIcon::toggleWindow()
{
    if (m_window->isVisible() && !m_window->isMinimized()) {
        // Hidden, the window no longer keeps the program going: a dialog or
        // a message box closing would otherwise end it.
        QApplication::setQuitOnLastWindowClosed(false);
        m_window->hide();
    } else {
        showWindow();
    }
}

void TrayIcon::showWindow()
{
    if (!m_window->isVisible() || m_window->isMinimized()) {
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
    QApplication::setQuitOnLastWindowClosed(true);
}
