// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usermessage.h"

#include "countdownmodel.h"

#include <QObject>
#include <optional>

class QMenu;
class QWidget;
class CountdownViews;

// What the user can do to the desktop countdowns, wherever it is asked for:
// 添加倒计时 and 编辑… in `CountdownDialog`, 删除 after a question that names
// the countdown, and one countdown's menu (`fill()`), its right-click menu
// and its submenu in the window's menu alike: 编辑…, 删除, 置顶, 置于桌面,
// 锁定位置, 鼠标穿透, the background's opacity and 退出程序, so that a keyboard
// reaches each command and a click-through widget, which takes no
// right-click, can be switched back. The items show the entry as it is when
// the menu is filled and are greyed out while the model is locked. The model
// does what is asked; what it refuses is said in a message box, and a failed
// save once in the run. 退出程序 is the main window's: `exitRequested()`.
class CountdownCommands : public QObject {
    Q_OBJECT
public:
    using Id = CountdownModel::Id;

    // Shows the menu `views` ask for; dialogs open over the widget concerned.
    explicit CountdownCommands(CountdownViews* views, QObject* parent = nullptr);

    CountdownModel* model() const { return m_model; }

    // Asks for a new countdown in the dialog, over `parent` when given.
    void add(QWidget* parent = nullptr);
    void edit(Id id);
    // Asks first, naming the countdown.
    void remove(Id id);
    void fill(QMenu* menu, Id id);

signals:
    void exitRequested();

private:
    void popUpMenu(Id id, QPoint globalPos);
    // The entry the user typed in the dialog, or none when it was cancelled.
    std::optional<CountdownEntry> ask(
        const std::optional<CountdownEntry>& editing, QWidget* parent) const;
    bool askToRemove(const QString& title, QWidget* parent) const;
    // Hands `entry` with one field set to the model.
    template <typename Modify> void changeEntry(Id id, Modify modify);
    void change(Id id, const CountdownEntry& entry);
    void tell(const QString& text, QWidget* parent) const;
    void tellSaveFailed(const FileTrouble& trouble);

    CountdownViews* m_views;
    CountdownModel* m_model;
    UserMessage::Once m_saveTrouble;
};
