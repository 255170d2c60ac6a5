// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QMenu>

class QActionGroup;

// 大屏外观, the classroom board's look as a teacher sets it from a menu: 主题
// (深色 or 红色), 标语… (MottoDialog) and 考试后倒数到明年. One menu serves the
// window's menu (and so the tray's) and every open board's right-click menu.
// Each choice is written at once to the board's options ([board] of the
// settings folder's preferences file) and then told by changed(), so that the
// boards show it; a save that fails says why and changes nothing. Its ticks
// are read from the file each time it opens. Under the school's lock, and for
// a choice a Group Policy value makes, the items are greyed with the reason
// as their tooltip.
class BoardLookMenu : public QMenu {
    Q_OBJECT
public:
    // `lockReason` is empty unless the school's lock holds.
    BoardLookMenu(Preferences preferences, const QString& lockReason, QWidget* parent = nullptr);

    // The ticks as the file holds them now.
    void refresh();

signals:
    void changed();

private:
    void store(int key, const QString& value);
    void editMotto();

    Preferences m_preferences;
    QString m_lockReason;
    QActionGroup* m_themes;
    QAction* m_dark;
    QAction* m_red;
    QAction* m_motto;
    QAction* m_rollOver;
};
