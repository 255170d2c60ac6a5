// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycontroller.h"

#include "fontscale.h"
#include "form1.h"
#include "form1design.h"
#include "fullscreen.h"
#include "programinfo.h"
#include "twips.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

using namespace Qt::StringLiterals;
using Choice = Preferences::Choice;

namespace {
QList<QWidget*> controlWidgets(const Form1* window)
{
    QList<QWidget*> widgets;
    for (const TwipsControl& control : window->controls()) {
        if (auto* widget = qobject_cast<QWidget*>(control.object()))
            widgets.append(widget);
    }
    return widgets;
}
}

DisplayController::DisplayController(Form1* window, Preferences preferences, Autostart autostart)
    : QObject(window)
    , m_window(window)
    , m_designSize(
          Twips::toPixels(Form1Design::kInnerWidth), Twips::toPixels(Form1Design::kInnerHeight))
    , m_preferences(std::move(preferences))
    , m_autostart(std::move(autostart))
    , m_choices(m_preferences, window)
    , m_text(controlWidgets(window))
    , m_fullScreenMode(new FullScreen(window))
    , m_menu(new QMenu(window))
{
    m_menu->setObjectName(u"displayMenu"_s);
    m_menu->setAccessibleName(u"窗口菜单"_s);
    m_fullScreen = addChoice(u"全屏显示"_s, u"fullScreen"_s, &DisplayController::setFullScreen);
    m_fullScreen->setShortcut(Qt::Key_F11);
    m_scaleText = addChoice(
        u"文字随窗口缩放"_s, u"scaleText"_s, &DisplayController::setScaleTextWithWindow);
    m_onTop = addChoice(u"窗口置顶"_s, u"stayOnTop"_s, &DisplayController::setStayOnTop);
    m_atLogin
        = addChoice(u"开机自动启动"_s, u"startAtLogin"_s, &DisplayController::setStartAtLogin);
    m_menu->addSeparator();
    const auto addItem = [this](const QString& text, const QString& name, auto slot) {
        QAction* action = m_menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
    };
    addItem(u"自定义设置…"_s, u"settings"_s, [this] { m_window->Comgjsz_Click(); });
    addItem(u"关于"_s, u"about"_s, [this] { showAbout(); });
    addItem(u"退出"_s, u"exit"_s, [this] { m_window->Comexit_Click(); });

    // The window's own keys: F11 (the menu's action), Shift+F10 for the
    // menu; full screen adds Escape.
    m_window->addAction(m_fullScreen);
    connect(m_fullScreenMode, &FullScreen::switched, this, &DisplayController::fullScreenSwitched);
    // The Menu key comes as a context menu event, like a right-click.
    auto* menuKey = new QAction(m_window);
    menuKey->setShortcut(Qt::SHIFT | Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, [this] {
        const QWidget* focus = m_window->focusWidget();
        const QWidget* at = focus ? focus : m_window;
        popUpMenu(at->mapToGlobal(at->rect().center()));
    });
    m_window->addAction(menuKey);

    // A right-click that no control takes (all but the text boxes, which keep
    // their own editing menu) comes to the window.
    m_window->installEventFilter(this);
}

QAction* DisplayController::addChoice(
    const QString& text, const QString& name, void (DisplayController::*set)(bool))
{
    QAction* action = m_menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, set);
    return action;
}

void DisplayController::start(bool fullScreen, bool onTop)
{
    m_scaleText->setChecked(m_preferences.value(Choice::ScaleTextWithWindow));
    // The entry itself tells, should someone have removed it meanwhile.
    m_atLogin->setChecked(m_autostart.isEnabled());
    const bool top = onTop || m_preferences.value(Choice::StayOnTop);
    m_onTop->setChecked(top);
    if (top)
        m_window->setWindowFlag(Qt::WindowStaysOnTopHint);
    // The window keeps its centred design size as its normal geometry, to
    // which leaving full screen returns.
    if (fullScreen || m_preferences.value(Choice::FullScreen))
        m_fullScreenMode->setOn(true);
    updateText();
    m_started = true;
}

bool DisplayController::isFullScreen() const { return m_fullScreenMode->isOn(); }

void DisplayController::setFullScreen(bool on)
{
    m_fullScreen->setChecked(on);
    m_fullScreenMode->setOn(on);
}

void DisplayController::setScaleTextWithWindow(bool on)
{
    m_choices.remember(Choice::ScaleTextWithWindow, on);
    m_scaleText->setChecked(on);
    updateText();
}

void DisplayController::setStayOnTop(bool on)
{
    m_choices.remember(Choice::StayOnTop, on);
    m_onTop->setChecked(on);
    if (m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // A new window flag takes a new native window.
    m_fullScreenMode->replaceNativeWindow(
        [this, on] { m_window->setWindowFlag(Qt::WindowStaysOnTopHint, on); });
}

void DisplayController::setStartAtLogin(bool on)
{
    const QString error = m_autostart.setEnabled(on);
    if (!error.isEmpty()) {
        on = m_autostart.isEnabled();
        QMessageBox box(QMessageBox::Warning, QString::fromUtf16(ProgramInfo::caption),
            u"无法设置开机自动启动。\n%1"_s.arg(error), QMessageBox::Ok, m_window);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    m_choices.remember(Choice::StartAtLogin, on);
    m_atLogin->setChecked(on);
}

void DisplayController::updateText()
{
    const bool grow = isFullScreen() || m_scaleText->isChecked();
    m_text.setFactor(grow ? FontScale::factor(m_window->size(), m_designSize) : 1);
}

bool DisplayController::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ContextMenu:
        if (watched != m_window)
            break;
        popUpMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonDblClick:
        // What the controls leave to the window is a click on the background.
        if (watched == m_window && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            setFullScreen(!isFullScreen());
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == m_window)
            updateText();
        break;
    default:
        break;
    }
    return false;
}

void DisplayController::fullScreenSwitched(bool on)
{
    // The command line's full screen holds for this run only.
    if (m_started)
        m_choices.remember(Choice::FullScreen, on);
    m_fullScreen->setChecked(on);
    updateText();
}

void DisplayController::popUpMenu(QPoint globalPos) { m_menu->popup(globalPos); }

void DisplayController::showAbout()
{
    QMessageBox box(
        QMessageBox::Information, u"关于"_s, ProgramInfo::aboutText(), QMessageBox::Ok, m_window);
    box.exec();
}
