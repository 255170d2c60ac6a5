// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowmenu.h"

#include "form1.h"
#include "knownpreferences.h"
#include "preferences.h"
#include "programinfo.h"
#include "userguide.h"
#include "usermessage.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;

WindowMenu::WindowMenu(Form1* window)
    : QObject(window)
    , m_window(window)
    , m_menu(new QMenu(window))
{
    m_menu->setObjectName(u"displayMenu"_s);
    m_menu->setAccessibleName(u"窗口菜单"_s);
    addChoice(Choice::FullScreen, u"全屏显示"_s, u"fullScreen"_s);
    addChoice(Choice::ScaleTextWithWindow, u"文字随窗口缩放"_s, u"scaleText"_s);
    addChoice(Choice::StayOnTop, u"窗口置顶"_s, u"stayOnTop"_s);
    addChoice(Choice::StartAtLogin, u"开机自动启动"_s, u"startAtLogin"_s);
    m_afterChoices = m_menu->addSeparator();
    const auto addItem = [this](const QString& text, const QString& name, auto slot) {
        QAction* action = m_menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
    };
    addItem(u"自定义设置…"_s, u"settings"_s, [this] { m_window->Comgjsz_Click(); });
    addItem(u"关于"_s, u"about"_s, [this] { showAbout(); });
    addItem(u"退出"_s, u"exit"_s, [this] { m_window->Comexit_Click(); });
    addKeys();
}

QAction* WindowMenu::choice(Choice choice) const { return m_choices[static_cast<size_t>(choice)]; }

void WindowMenu::setChecked(Choice choice, bool on) { this->choice(choice)->setChecked(on); }

void WindowMenu::lockChoices(const QString& reason)
{
    // Shown rather than hidden, so that nobody looks for them elsewhere; the
    // reason is an item of its own too, which screen readers read and which
    // needs no hovering.
    m_menu->setToolTipsVisible(true);
    for (const Choice locked :
        { Choice::ScaleTextWithWindow, Choice::StayOnTop, Choice::StartAtLogin }) {
        choice(locked)->setEnabled(false);
        choice(locked)->setToolTip(reason);
    }
    auto* note = new QAction(reason, m_menu);
    note->setObjectName(u"lockedNote"_s);
    note->setEnabled(false);
    m_menu->insertAction(m_afterChoices, note);
}

void WindowMenu::showStartAtLoginForAllUsers()
{
    QAction* atLogin = choice(Choice::StartAtLogin);
    atLogin->setChecked(true);
    atLogin->setEnabled(false);
    atLogin->setText(u"开机自动启动（由管理员设置）"_s);
}

QAction* WindowMenu::action(const QString& name) const
{
    return m_menu->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void WindowMenu::addChoice(Choice choice, const QString& text, const QString& name)
{
    QAction* action = m_menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    connect(
        action, &QAction::triggered, this, [this, choice](bool on) { emit chosen(choice, on); });
    m_choices[static_cast<size_t>(choice)] = action;
}

void WindowMenu::addKeys()
{
    QAction* fullScreen = choice(Choice::FullScreen);
    fullScreen->setShortcut(Qt::Key_F11);
    m_window->addAction(fullScreen);
    // The Menu key comes as a context menu event, like a right-click.
    auto* menuKey = new QAction(m_window);
    menuKey->setShortcut(Qt::SHIFT | Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, [this] {
        const QWidget* focus = m_window->focusWidget();
        const QWidget* at = focus ? focus : m_window;
        popUp(at->mapToGlobal(at->rect().center()));
    });
    m_window->addAction(menuKey);
    // A right-click that no control takes (all but the text boxes) comes to
    // the window.
    m_window->installEventFilter(this);
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        popUp(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    // What the controls leave to the window is a click on the background.
    if (event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        choice(Choice::FullScreen)->trigger();
        return true;
    }
    return false;
}

void WindowMenu::popUp(QPoint globalPos) { m_menu->popup(globalPos); }

void WindowMenu::showAbout()
{
    // The details are where an administrator looks to see what this machine
    // uses, and why the file for every user did not count (no lock, say).
    const QString details
        = m_status ? m_status() : KnownPreferences::problems(Preferences()).join(u'\n');
    UserMessage::about(m_window, ProgramInfo::aboutText(), details, UserGuide::installedFile());
}
