// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "traymenu.h"

#include <QActionEvent>

using namespace Qt::StringLiterals;

TrayMenu::TrayMenu(QMenu* windowMenu, QWidget* parent)
    : QMenu(parent)
    , m_windowMenu(windowMenu)
{
    setObjectName(u"trayMenu"_s);
    setAccessibleName(u"托盘菜单"_s);
    QAction* showWindow = addAction(u"显示主窗口"_s);
    showWindow->setObjectName(u"showWindow"_s);
    connect(showWindow, &QAction::triggered, this, &TrayMenu::showWindowChosen);
    addSeparator();
    addActions(windowMenu->actions());
    windowMenu->installEventFilter(this);
}

bool TrayMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Each change is made here as it was there, without reading the window's
    // menu afresh: that menu is also told as it is destroyed.
    if (watched == m_windowMenu && event->type() == QEvent::ActionAdded) {
        const auto* added = static_cast<QActionEvent*>(event);
        insertAction(added->before(), added->action());
    } else if (watched == m_windowMenu && event->type() == QEvent::ActionRemoved) {
        removeAction(static_cast<QActionEvent*>(event)->action());
    }
    return false;
}
