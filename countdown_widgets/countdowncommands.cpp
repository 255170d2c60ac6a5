// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdowncommands.h"

#include "usermessage.h"

#include "countdowndialog.h"
#include "countdownviews.h"
#include "countdownwidget.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>

using namespace Qt::StringLiterals;
using Layer = CountdownEntry::Layer;
using Opacity = CountdownEntry::Opacity;

CountdownCommands::CountdownCommands(CountdownViews* views, QObject* parent)
    : QObject(parent)
    , m_views(views)
    , m_model(views->model())
{
    connect(views, &CountdownViews::menuRequested, this, &CountdownCommands::popUpMenu);
    connect(m_model, &CountdownModel::saveFailed, this, &CountdownCommands::tellSaveFailed);
}

void CountdownCommands::add(QWidget* parent)
{
    if (m_model->isLocked())
        return;
    // Refused before the user types anything: the 51st countdown.
    if (const QString why = m_model->addProblem(); !why.isEmpty())
        return tell(why, parent);
    const std::optional<CountdownEntry> entry = ask(std::nullopt, parent);
    if (!entry)
        return;
    if (const QString why = m_model->add(*entry); !why.isEmpty())
        tell(why, parent);
}

void CountdownCommands::edit(Id id)
{
    const std::optional<CountdownEntry> entry = m_model->entry(id);
    if (!entry || m_model->isLocked())
        return;
    if (const std::optional<CountdownEntry> edited = ask(entry, m_views->widget(id)))
        change(id, *edited);
}

// Made on the heap: the widget it opens over may go while it is open (from
// the window's menu, or another copy of the program), and takes the dialog
// with it.
std::optional<CountdownEntry> CountdownCommands::ask(
    const std::optional<CountdownEntry>& editing, QWidget* parent) const
{
    const QPointer<CountdownDialog> dialog
        = new CountdownDialog(editing, m_views->now().date(), parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return std::nullopt;
    std::optional<CountdownEntry> entry;
    if (accepted)
        entry = dialog->entry();
    delete dialog;
    return entry;
}

void CountdownCommands::remove(Id id)
{
    const std::optional<CountdownEntry> entry = m_model->entry(id);
    if (!entry || m_model->isLocked() || !askToRemove(entry->title, m_views->widget(id)))
        return;
    // Gone meanwhile, or locked: nothing is left to ask about.
    if (m_model->entry(id) && !m_model->isLocked()) {
        if (const QString why = m_model->remove(id); !why.isEmpty())
            tell(why, nullptr);
    }
}

bool CountdownCommands::askToRemove(const QString& title, QWidget* parent) const
{
    return UserMessage::ask(parent, u"确定要删除倒计时“%1”吗？"_s.arg(title));
}

void CountdownCommands::change(Id id, const CountdownEntry& entry)
{
    if (const QString why = m_model->change(id, entry); !why.isEmpty())
        tell(why, nullptr);
}

template <typename Modify> void CountdownCommands::changeEntry(Id id, Modify modify)
{
    std::optional<CountdownEntry> entry = m_model->entry(id);
    if (!entry)
        return;
    modify(*entry);
    change(id, *entry);
}

void CountdownCommands::fill(QMenu* menu, Id id)
{
    const std::optional<CountdownEntry> entry = m_model->entry(id);
    if (!entry)
        return;
    const bool enabled = !m_model->isLocked();
    const auto addItem = [&](const QString& text, const QString& name, auto act) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, act);
        return action;
    };
    // A change to the entry: the same entry with one field set.
    const auto addChoice = [&](const QString& text, const QString& name, bool checked,
                               void (*modify)(CountdownEntry&, bool)) {
        QAction* action = addItem(text, name,
            [this, id, modify](bool on) { changeEntry(id, [&](auto& e) { modify(e, on); }); });
        action->setCheckable(true);
        action->setChecked(checked);
    };

    addItem(u"编辑…"_s, u"edit"_s, [this, id] { edit(id); });
    addItem(u"删除"_s, u"remove"_s, [this, id] { remove(id); });
    menu->addSeparator();
    addChoice(u"置顶"_s, u"onTop"_s, entry->layer == Layer::Top,
        [](CountdownEntry& e, bool on) { e.layer = on ? Layer::Top : Layer::Normal; });
    addChoice(u"置于桌面"_s, u"onDesktop"_s, entry->layer == Layer::Desktop,
        [](CountdownEntry& e, bool on) { e.layer = on ? Layer::Desktop : Layer::Normal; });
    addChoice(u"锁定位置"_s, u"lockPosition"_s, entry->locked,
        [](CountdownEntry& e, bool on) { e.locked = on; });
    addChoice(u"鼠标穿透"_s, u"clickThrough"_s, entry->clickThrough,
        [](CountdownEntry& e, bool on) { e.clickThrough = on; });

    QMenu* opacity = menu->addMenu(u"背景"_s);
    opacity->setObjectName(u"opacityMenu"_s);
    auto* group = new QActionGroup(opacity);
    const std::tuple<Opacity, QString, QString> opacities[] = {
        { Opacity::Opaque, u"不透明"_s, u"opaque"_s },
        { Opacity::Translucent, u"半透明"_s, u"translucent"_s },
        { Opacity::Transparent, u"全透明"_s, u"transparent"_s },
    };
    for (const auto& [value, text, name] : opacities) {
        QAction* action = opacity->addAction(text);
        action->setCheckable(true);
        action->setChecked(entry->opacity == value);
        action->setEnabled(enabled);
        action->setActionGroup(group);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
            [this, id, value = value] { changeEntry(id, [&](auto& e) { e.opacity = value; }); });
    }
    // The program's own command, here too for someone who hid the main window.
    menu->addSeparator();
    QAction* exit = menu->addAction(u"退出程序"_s);
    exit->setObjectName(u"exit"_s);
    connect(exit, &QAction::triggered, this, &CountdownCommands::exitRequested);
}

void CountdownCommands::popUpMenu(Id id, QPoint globalPos)
{
    // Not the widget's child: 删除 in it deletes the widget while the menu is
    // still busy with the click.
    auto* menu = new QMenu;
    menu->setObjectName(u"countdownMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    fill(menu, id);
    menu->popup(globalPos);
}

// `parent` is one that stays while the box is open: the main window, or none.
void CountdownCommands::tell(const QString& text, QWidget* parent) const
{
    UserMessage::tell(parent, UserMessage::Kind::Warning, text);
}

// Told once: every later save would meet the same trouble.
void CountdownCommands::tellSaveFailed(const FileTrouble& trouble)
{
    m_saveTrouble.warn(nullptr, trouble.message() + u"\n桌面倒计时在本次运行中仍然有效。"_s);
}
