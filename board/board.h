// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardcontent.h"
#include "boardlayout.h"
#include "boardtheme.h"

#include <QKeySequence>
#include <QWidget>

class QMenu;
class BoardText;

// The classroom board (大屏显示): a window of its own, full screen on one
// screen, that shows the countdown large enough to be read from the back of
// the room (see BoardLayout) in the colours of its theme. It has no timer: its
// owner hands it what to show at each tick. Esc, its key again and 退出大屏 in
// its right-click menu (also on the Menu key and Shift+F10) ask to leave it;
// the menu also offers 考试安排… and 退出程序. What is asked is the owner's
// to do: the board itself never ends the program, and its closing does not
// either.
class Board : public QWidget {
    Q_OBJECT
public:
    // The key that opens the board and leaves it.
    static QKeySequence key() { return QKeySequence(Qt::Key_F5); }

    Board(QScreen* screen, const BoardOptions& options);

    void setContent(const BoardContent& content);
    // The theme and the motto, when they changed since the board was made.
    void setOptions(const BoardOptions& options);
    // A submenu of its owner's in the right-click menu, above 退出程序.
    void addSubmenu(QMenu* submenu);
    BoardText* part(BoardLayout::Part part) const { return m_parts[std::size_t(part)]; }
    const BoardTheme& theme() const { return m_theme; }
    QScreen* boardScreen() const { return m_screen; }
    // Fills its screen: shown full screen, at the screen's place and size
    // where no window manager does that.
    void showOnScreen();
    // The place that covers every pixel of `screen`.
    static QRect coverOf(const QScreen* screen);

signals:
    void leaveRequested();
    void scheduleRequested();
    void exitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void placeParts();
    void applyTheme();

    QScreen* m_screen;
    BoardTheme m_theme;
    QString m_motto;
    BoardContent m_content;
    std::array<BoardText*, BoardLayout::kParts> m_parts {};
    QMenu* m_menu;
    QAction* m_beforeExit = nullptr;
};
