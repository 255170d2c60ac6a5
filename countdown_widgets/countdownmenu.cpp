// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownmenu.h"

#include "countdownwidget.h"
#include "countdownwidgets.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>

using namespace Qt::StringLiterals;
using Layer = CountdownEntry::Layer;
using Opacity = CountdownEntry::Opacity;

namespace CountdownMenu {

void fill(QMenu* menu, CountdownWidgets* set, CountdownWidget* widget)
{
    // The widget may be deleted while its menu is open (from the other menu).
    const QPointer<CountdownWidget> target = widget;
    const bool enabled = !set->isLocked();
    const auto addItem = [&](const QString& text, const QString& name, auto act) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, set, [target, act](bool on) {
            if (target)
                act(target.data(), on);
        });
        return action;
    };
    // A change to the entry: the same entry with one field set.
    const auto addChoice
        = [&](const QString& text, const QString& name, bool checked, auto modify) {
              QAction* action = addItem(text, name, [set, modify](CountdownWidget* w, bool on) {
                  CountdownEntry entry = w->entry();
                  modify(entry, on);
                  set->change(w, entry);
              });
              action->setCheckable(true);
              action->setChecked(checked);
              return action;
          };

    const CountdownEntry& entry = widget->entry();
    addItem(u"编辑…"_s, u"edit"_s, [set](CountdownWidget* w, bool) { set->edit(w); });
    addItem(u"删除"_s, u"remove"_s, [set](CountdownWidget* w, bool) { set->remove(w); });
    menu->addSeparator();
    addChoice(u"置顶"_s, u"onTop"_s, entry.layer == Layer::Top,
        [](CountdownEntry& e, bool on) { e.layer = on ? Layer::Top : Layer::Normal; });
    addChoice(u"置于桌面"_s, u"onDesktop"_s, entry.layer == Layer::Desktop,
        [](CountdownEntry& e, bool on) { e.layer = on ? Layer::Desktop : Layer::Normal; });
    addChoice(u"锁定位置"_s, u"lockPosition"_s, entry.locked,
        [](CountdownEntry& e, bool on) { e.locked = on; });
    addChoice(u"鼠标穿透"_s, u"clickThrough"_s, entry.clickThrough,
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
        action->setChecked(entry.opacity == value);
        action->setEnabled(enabled);
        action->setActionGroup(group);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, set, [set, target, value = value] {
            if (!target)
                return;
            CountdownEntry changed = target->entry();
            changed.opacity = value;
            set->change(target, changed);
        });
    }
}

} // namespace CountdownMenu
