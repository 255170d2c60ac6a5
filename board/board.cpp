// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

#include "boardtext.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

using namespace Qt::StringLiterals;

Board::Board(QScreen* screen, const BoardOptions& options)
    : m_screen(screen)
    , m_theme(BoardTheme::of(options.theme))
    , m_motto(options.motto)
    , m_menu(new QMenu(this))
{
    setObjectName(u"Board"_s);
    setWindowTitle(u"大屏显示"_s);
    setAccessibleName(u"大屏显示"_s);
    // Over the main window, also where that one stays on top.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // Closed, the board leaves the program running, whatever other window shows.
    setAttribute(Qt::WA_QuitOnClose, false);
    applyTheme();
    setAutoFillBackground(true);
    for (int i = 0; i < BoardLayout::kParts; ++i)
        m_parts[std::size_t(i)] = new BoardText(QString::fromUtf16(BoardLayout::kNames[i]), this);

    m_menu->setObjectName(u"boardMenu"_s);
    const auto addItem = [this](const QString& text, const QString& name, auto signal) {
        QAction* action = m_menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, signal);
        return action;
    };
    addItem(u"退出大屏"_s, u"leaveBoard"_s, &Board::leaveRequested)->setShortcut(key());
    addItem(u"考试安排…"_s, u"examSchedule"_s, &Board::scheduleRequested);
    m_beforeExit = m_menu->addSeparator();
    addItem(u"退出程序"_s, u"exit"_s, &Board::exitRequested);
    if (screen)
        setGeometry(screen->geometry());
}

void Board::addSubmenu(QMenu* submenu) { m_menu->insertMenu(m_beforeExit, submenu); }

namespace {
// Whether the screen's size in the program's pixels may be rounded down: 768
// rows at 225 % are 341.3, taken as 341, which are 767.25 rows, and 640
// columns at 300 % 213 of 639. At 200 % only a half is rounded, and up.
bool mayFallShort(const QScreen* screen)
{
    const qreal ratio = screen->devicePixelRatio();
    return ratio > 1 && ratio != 2;
}
}

// A window of the screen's size, so rounded, would leave its last row or
// column to whatever is under it: the board reaches a pixel further, past
// the screen's edge.
QRect Board::coverOf(const QScreen* screen)
{
    QRect cover = screen->geometry();
    if (mayFallShort(screen))
        cover.adjust(0, 0, 1, 1);
    return cover;
}

void Board::showOnScreen()
{
    if (!m_screen) {
        showFullScreen();
    } else if (mayFallShort(m_screen)) {
        // Full screen, the window system would give it the screen's size in
        // the program's pixels again: a frameless window on top instead.
        setWindowFlag(Qt::FramelessWindowHint);
        setGeometry(coverOf(m_screen));
        show();
    } else {
        setGeometry(m_screen->geometry());
        showFullScreen();
    }
    raise();
    activateWindow();
}

void Board::applyTheme()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_theme.background);
    setPalette(colours);
}

void Board::setOptions(const BoardOptions& options)
{
    const BoardTheme theme = BoardTheme::of(options.theme);
    if (theme.background == m_theme.background && options.motto == m_motto)
        return;
    m_theme = theme;
    m_motto = options.motto;
    applyTheme();
    placeParts();
}

void Board::setContent(const BoardContent& content)
{
    if (content == m_content)
        return;
    m_content = content;
    placeParts();
}

void Board::placeParts()
{
    const BoardLayout::Placement placement
        = BoardLayout::place(m_content, m_motto, m_theme, size());
    for (int i = 0; i < BoardLayout::kParts; ++i) {
        BoardText* part = m_parts[std::size_t(i)];
        part->setGeometry(placement[std::size_t(i)].rect);
        part->setLines(placement[std::size_t(i)].lines);
        part->setBackground(placement[std::size_t(i)].background);
    }
}

void Board::resizeEvent(QResizeEvent*) { placeParts(); }

void Board::keyPressEvent(QKeyEvent* event)
{
    const QKeySequence pressed(event->keyCombination());
    if (event->key() == Qt::Key_Escape || pressed == key()) {
        emit leaveRequested();
        return;
    }
    if (pressed == QKeySequence(Qt::SHIFT | Qt::Key_F10)) {
        m_menu->popup(mapToGlobal(rect().center()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void Board::contextMenuEvent(QContextMenuEvent* event) { m_menu->popup(event->globalPos()); }

// Closed by the window manager (Alt+F4), it is left as by Esc: the owner
// decides when it goes.
void Board::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit leaveRequested();
}
