// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownwidgets.h"

#include "countdowndialog.h"
#include "countdownmenu.h"
#include "countdownwidget.h"
#include "programinfo.h"
#include "screenplacement.h"
#include "timeleft.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

using namespace Qt::StringLiterals;

struct CountdownWidgets::Shown {
    std::unique_ptr<CountdownWidget> widget;
    // When the widget's text changes next.
    QDateTime nextChange;
};

CountdownWidgets::CountdownWidgets(CountdownList list, DateTimeClock clock, QObject* parent)
    : QObject(parent)
    , m_list(std::move(list))
    , m_clock(std::move(clock))
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &CountdownWidgets::save);
}

// A place dragged just before the end is still kept.
CountdownWidgets::~CountdownWidgets()
{
    if (m_saveTimer.isActive())
        (void)m_list.save(entries());
}

void CountdownWidgets::start()
{
    const CountdownList::Loaded loaded = m_list.load();
    m_skipped = loaded.skipped;
    const QDateTime now = m_clock();
    m_lastTick = now;
    for (const CountdownEntry& entry : loaded.entries)
        show(entry, now);
    // Only a program with countdowns follows the screens.
    connect(qApp, &QGuiApplication::screenAdded, this, &CountdownWidgets::watchScreen);
    connect(qApp, &QGuiApplication::screenRemoved, this, &CountdownWidgets::keepOnScreens);
    for (const QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
}

QList<CountdownWidget*> CountdownWidgets::widgets() const
{
    QList<CountdownWidget*> widgets;
    for (const Shown& shown : m_shown)
        widgets.append(shown.widget.get());
    return widgets;
}

void CountdownWidgets::setLocked(bool locked)
{
    m_locked = locked;
    for (Shown& shown : m_shown)
        shown.widget->setMovable(!locked);
    emit changed();
}

CountdownWidget* CountdownWidgets::show(const CountdownEntry& entry, const QDateTime& now)
{
    auto* widget = new CountdownWidget(entry);
    widget->setMovable(!m_locked);
    connect(widget, &CountdownWidget::menuRequested, this,
        [this, widget](QPoint at) { popUpMenu(widget, at); });
    connect(widget, &CountdownWidget::moved, this,
        [this, widget](QPoint topLeft) { moved(widget, topLeft); });
    Shown& shown = m_shown.emplace_back(Shown { std::unique_ptr<CountdownWidget>(widget), {} });
    refresh(shown, now);
    const QPoint place = entry.position.value_or(
        ScreenPlacement::freePlace(widget->sizeHint(), int(m_shown.size()) - 1));
    widget->move(ScreenPlacement::keptOnScreen(QRect(place, widget->size())));
    widget->show();
    return widget;
}

CountdownWidgets::Shown* CountdownWidgets::find(const CountdownWidget* widget)
{
    const auto it = std::find_if(m_shown.begin(), m_shown.end(),
        [widget](const Shown& shown) { return shown.widget.get() == widget; });
    return it == m_shown.end() ? nullptr : &*it;
}

void CountdownWidgets::refresh(Shown& shown, const QDateTime& now)
{
    const CountdownEntry& entry = shown.widget->entry();
    shown.widget->setTexts(TimeLeft::caption(entry), TimeLeft::at(entry, now).text(entry.format));
    shown.nextChange = TimeLeft::nextChange(entry, now);
}

void CountdownWidgets::tick()
{
    const QDateTime now = m_clock();
    // A clock set back leaves every next change too far ahead.
    const bool wentBack = now < m_lastTick;
    m_lastTick = now;
    for (Shown& shown : m_shown) {
        if (wentBack || now >= shown.nextChange)
            refresh(shown, now);
    }
}

void CountdownWidgets::add(QWidget* parent)
{
    if (m_locked)
        return;
    const std::optional<CountdownEntry> entry = ask(std::nullopt, parent);
    if (!entry || m_locked)
        return;
    show(*entry, m_clock());
    save();
    emit changed();
}

void CountdownWidgets::edit(CountdownWidget* widget)
{
    if (m_locked)
        return;
    const QPointer<CountdownWidget> guard = widget;
    const std::optional<CountdownEntry> entry = ask(widget->entry(), widget);
    if (entry && guard)
        change(widget, *entry);
}

// Made on the heap: the widget it belongs to may go while it is open (from
// the window's menu), and takes the dialog with it.
std::optional<CountdownEntry> CountdownWidgets::ask(
    const std::optional<CountdownEntry>& editing, QWidget* parent) const
{
    const QPointer<CountdownDialog> dialog = new CountdownDialog(editing, m_clock().date(), parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return std::nullopt;
    std::optional<CountdownEntry> entry;
    if (accepted)
        entry = dialog->entry();
    delete dialog;
    return entry;
}

void CountdownWidgets::remove(CountdownWidget* widget)
{
    if (m_locked)
        return;
    const QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Question, u"提示"_s,
        u"确定要删除倒计时“%1”吗？"_s.arg(widget->entry().title),
        QMessageBox::Yes | QMessageBox::No, widget);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    const bool yes = box->exec() == QMessageBox::Yes;
    if (!box)
        return;
    delete box;
    if (!yes || m_locked)
        return;
    std::erase_if(m_shown, [widget](const Shown& shown) { return shown.widget.get() == widget; });
    save();
    emit changed();
}

void CountdownWidgets::change(CountdownWidget* widget, const CountdownEntry& entry)
{
    Shown* shown = find(widget);
    if (!shown || m_locked || entry == widget->entry())
        return;
    widget->setEntry(entry);
    // The title, target or form may be new.
    refresh(*shown, m_clock());
    save();
    emit changed();
}

void CountdownWidgets::moved(CountdownWidget* widget, QPoint topLeft)
{
    CountdownEntry entry = widget->entry();
    if (m_locked || entry.locked) {
        widget->move(entry.position.value_or(widget->pos()));
        return;
    }
    entry.position = topLeft;
    widget->setEntry(entry);
    // A widget is often nudged a few times in a row: one save at the end.
    m_saveTimer.start();
}

void CountdownWidgets::popUpMenu(CountdownWidget* widget, QPoint globalPos)
{
    // Not the widget's child: 删除 in it deletes the widget while the menu is
    // still busy with the click.
    auto* menu = new QMenu;
    menu->setObjectName(u"countdownMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    CountdownMenu::fill(menu, this, widget);
    menu->popup(globalPos);
}

void CountdownWidgets::watchScreen(const QScreen* screen)
{
    connect(screen, &QScreen::availableGeometryChanged, this, &CountdownWidgets::keepOnScreens);
}

// The remembered place stays as it was: the screen may come back.
void CountdownWidgets::keepOnScreens()
{
    for (Shown& shown : m_shown) {
        CountdownWidget* widget = shown.widget.get();
        const QPoint place = ScreenPlacement::keptOnScreen(widget->frameGeometry());
        if (place != widget->pos())
            widget->move(place);
    }
}

std::vector<CountdownEntry> CountdownWidgets::entries() const
{
    std::vector<CountdownEntry> entries;
    for (const Shown& shown : m_shown)
        entries.push_back(shown.widget->entry());
    return entries;
}

void CountdownWidgets::save()
{
    m_saveTimer.stop();
    const FileTrouble trouble = m_list.save(entries());
    if (trouble.isNone() || m_saveTroubleTold)
        return;
    // Told once: every later save would meet the same trouble.
    m_saveTroubleTold = true;
    QMessageBox box(QMessageBox::Warning, ProgramInfo::caption,
        trouble.message() + u"\n桌面倒计时在本次运行中仍然有效。"_s, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.exec();
}
