// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardmenuitems.h"

#include "board.h"
#include "boardlookmenu.h"
#include "boardscreens.h"
#include "examdialog.h"
#include "form1.h"
#include "pointerhider.h"
#include "settingslock.h"
#include "timeleft.h"
#include "windowmenu.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;

BoardMenuItems::BoardMenuItems(WindowMenu* menu, Form1* window, const Preferences& preferences)
    : QObject(window)
    , m_window(window)
    , m_locked(preferences.isLocked())
    , m_boards(new BoardScreens(
          preferences, systemNow,
          [window] {
              const ShownSettings& shown = window->shown();
              const std::optional<double> target = shown.target();
              return BoardContent::Source { shown.title(), shown.heading(),
                  target ? TimeLeft::localMoment(*target) : QDateTime(), shown.trouble() };
          },
          this))
    , m_board(new QAction(u"大屏显示"_s, menu->menu()))
    , m_look(new BoardLookMenu(
          preferences, m_locked ? SettingsLock::reason() : QString(), menu->menu()))
{
    m_board->setObjectName(u"board"_s);
    m_board->setShortcut(Board::key());
    // The key works wherever the window has the focus, as F11 does.
    window->addAction(m_board);
    // Beside 全屏显示, the other way to fill the screen.
    menu->menu()->insertAction(menu->action(u"scaleText"_s), m_board);
    connect(m_board, &QAction::triggered, this, [this] {
        if (m_boards->isOpen())
            m_boards->close();
        else
            open({});
    });

    auto* schedule = new QAction(u"考试安排…"_s, menu->menu());
    schedule->setObjectName(u"examSchedule"_s);
    menu->menu()->insertAction(menu->action(u"settings"_s), schedule);
    connect(schedule, &QAction::triggered, this, [this] { editSchedule(m_window); });
    // With 考试安排…, the board's other setting; on every board at once.
    menu->menu()->insertMenu(menu->action(u"settings"_s), m_look);
    connect(m_look, &BoardLookMenu::changed, m_boards, &BoardScreens::reload);

    connect(window->Timer1, &QTimer::timeout, m_boards, &BoardScreens::tick);
    connect(m_boards, &BoardScreens::scheduleRequested, this, &BoardMenuItems::editSchedule);
    connect(m_boards, &BoardScreens::closed, window, [window] {
        window->raise();
        window->activateWindow();
    });
    // Asked on the board, the question is asked at the window, as its 退出 button does.
    connect(m_boards, &BoardScreens::exitRequested, this, [this] {
        m_boards->close();
        m_window->Comexit_Click();
    });
}

void BoardMenuItems::open(const QList<QScreen*>& screens)
{
    m_boards->open(screens.isEmpty() ? QList<QScreen*> { m_window->screen() } : screens);
    // As in the window's full screen, the pointer goes after a few seconds
    // without moving.
    for (Board* board : m_boards->boards()) {
        (new PointerHider(board))->setEnabled(true);
        board->addSubmenu(m_look);
    }
}

void BoardMenuItems::editSchedule(QWidget* over)
{
    // Made and gone with each use, as the settings dialog is; the window, or
    // the board it was asked on, may go while it is open.
    const QPointer<ExamDialog> dialog = new ExamDialog(m_boards->schedule(), m_boards->targetYear(),
        m_locked ? SettingsLock::reason() : QString(), over);
    dialog->setWindowFlag(
        Qt::WindowStaysOnTopHint, over->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const bool saved = dialog->exec() == QDialog::Accepted;
    delete dialog;
    if (saved)
        m_boards->reload();
}
