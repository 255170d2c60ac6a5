// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownmenuitems.h"

#include "countdowncommands.h"
#include "windowmenu.h"

#include <QMenu>

using namespace Qt::StringLiterals;

CountdownMenuItems::CountdownMenuItems(
    WindowMenu* menu, CountdownCommands* commands, QWidget* window)
    : QObject(window)
    , m_menu(menu->menu())
    , m_commands(commands)
    , m_window(window)
    , m_before(menu->action(u"settings"_s))
    , m_add(new QAction(u"添加倒计时…"_s, m_menu))
{
    m_add->setObjectName(u"addCountdown"_s);
    // Beside 自定义设置…, the other item that opens a dialog.
    m_menu->insertAction(m_before, m_add);
    // A hidden main window is no window to open a dialog over.
    connect(m_add, &QAction::triggered, commands,
        [this] { m_commands->add(m_window->isVisible() ? m_window : nullptr); });
    connect(
        commands, &CountdownCommands::exitRequested, menu->action(u"exit"_s), &QAction::trigger);
    const CountdownModel* model = commands->model();
    connect(model, &CountdownModel::added, this, &CountdownMenuItems::rebuild);
    connect(model, &CountdownModel::changed, this, &CountdownMenuItems::rebuild);
    connect(model, &CountdownModel::removed, this, &CountdownMenuItems::rebuild);
    connect(model, &CountdownModel::lockedChanged, this, &CountdownMenuItems::rebuild);
    rebuild();
}

void CountdownMenuItems::rebuild()
{
    // The submenu whose item was chosen is still busy with the click.
    for (const QPointer<QMenu>& submenu : std::as_const(m_submenus)) {
        if (!submenu)
            continue;
        m_menu->removeAction(submenu->menuAction());
        submenu->setParent(nullptr);
        submenu->deleteLater();
    }
    m_submenus.clear();
    const CountdownModel* model = m_commands->model();
    m_add->setEnabled(!model->isLocked());
    // Right under 添加倒计时…, whatever others put before 自定义设置… since.
    const QList<QAction*> items = m_menu->actions();
    const qsizetype add = items.indexOf(m_add);
    QAction* before = add + 1 < items.size() ? items[add + 1] : nullptr;
    for (const CountdownModel::Id id : model->ids()) {
        // A title is the user's text, where & would mark a shortcut key.
        QString title = model->entry(id).value_or(CountdownEntry {}).title;
        auto* submenu = new QMenu(title.replace(u'&', u"&&"_s), m_menu);
        submenu->setObjectName(u"countdownCommands"_s);
        m_commands->fill(submenu, id);
        m_menu->insertMenu(before, submenu);
        m_submenus.append(submenu);
    }
}
