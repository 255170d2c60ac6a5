// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trayicon.h"

#include "countdownmodel.h"
#include "plaintooltip.h"
#include "programinfo.h"
#include "traymenu.h"

#include <QWidget>

using namespace Qt::StringLiterals;

TrayIcon::TrayIcon(
    QWidget* window, QMenu* windowMenu, CountdownModel* countdowns, Availability trayAvailable)
    : QObject(window)
    , m_window(window)
    , m_menu(new TrayMenu(windowMenu, window))
    , m_countdowns(countdowns)
    , m_trayAvailable(std::move(trayAvailable))
{
    connect(&m_lookAgain, &QTimer::timeout, this, &TrayIcon::update);
    connect(m_menu, &TrayMenu::showWindowChosen, this, &TrayIcon::showWindow);
    connect(countdowns, &CountdownModel::added, this, &TrayIcon::update);
    connect(countdowns, &CountdownModel::removed, this, &TrayIcon::update);
    update();
}

void TrayIcon::update()
{
    const bool hasCountdowns = m_countdowns->count() > 0;
    const bool wanted = hasCountdowns && m_trayAvailable();
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
    if (hasCountdowns && !m_icon)
        m_lookAgain.start(kLookAgainMs);
    else if (m_icon && !m_window->isVisible())
        m_lookAgain.start(kWatchWhileHiddenMs);
    else
        m_lookAgain.stop();
}

void TrayIcon::toggleWindow()
{
    if (m_window->isVisible() && !m_window->isMinimized()) {
        m_window->hide();
        update();
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
}
