// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownviews.h"

#include "countdownwidget.h"
#include "screenplacement.h"
#include "timeleft.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <utility>

using Id = CountdownModel::Id;

struct CountdownViews::Shown {
    Id id;
    std::unique_ptr<CountdownWidget> widget;
    // When the widget's text changes next.
    QDateTime nextChange;
    // The entry's place as last followed, to tell a move by another copy of
    // the program from a change that leaves the place.
    std::optional<QPoint> position;
};

CountdownViews::CountdownViews(CountdownModel* model, DateTimeClock clock, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_clock(std::move(clock))
    , m_lastTick(m_clock())
{
    connect(model, &CountdownModel::added, this, &CountdownViews::add);
    // The desktop session's log-out ends the program through Qt's own quit,
    // which asks every window to close first and gives up at one that will
    // not: the widgets let it go then.
    qApp->installEventFilter(this);
    connect(model, &CountdownModel::changed, this, &CountdownViews::change);
    connect(model, &CountdownModel::removed, this, &CountdownViews::remove);
    connect(model, &CountdownModel::lockedChanged, this, [this](bool locked) {
        for (Shown& shown : m_shown)
            shown.widget->setMovable(!locked);
    });
    for (const Id id : model->ids())
        add(id);
    m_placeAbove.setSingleShot(true);
    m_placeAbove.setInterval(CountdownWidget::kWindowManagerMs);
    connect(&m_placeAbove, &QTimer::timeout, this, &CountdownViews::placeAllAbove);
    connect(qApp, &QGuiApplication::screenAdded, this, &CountdownViews::watchScreen);
    connect(qApp, &QGuiApplication::screenRemoved, this, &CountdownViews::keepOnScreens);
    for (const QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
}

CountdownViews::~CountdownViews() = default;

QList<CountdownWidget*> CountdownViews::widgets() const
{
    QList<CountdownWidget*> widgets;
    for (const Id id : m_model->ids()) {
        if (CountdownWidget* shown = widget(id))
            widgets.append(shown);
    }
    return widgets;
}

CountdownWidget* CountdownViews::widget(Id id) const
{
    const auto it = std::find_if(
        m_shown.begin(), m_shown.end(), [id](const Shown& shown) { return shown.id == id; });
    return it == m_shown.end() ? nullptr : it->widget.get();
}

CountdownViews::Shown* CountdownViews::find(Id id)
{
    const auto it = std::find_if(
        m_shown.begin(), m_shown.end(), [id](const Shown& shown) { return shown.id == id; });
    return it == m_shown.end() ? nullptr : &*it;
}

void CountdownViews::add(Id id)
{
    const std::optional<CountdownEntry> entry = m_model->entry(id);
    if (!entry || find(id))
        return;
    auto* widget = new CountdownWidget(*m_model, id);
    widget->setMovable(!m_model->isLocked());
    connect(widget, &CountdownWidget::menuRequested, this,
        [this, id](QPoint at) { emit menuRequested(id, at); });
    connect(
        widget, &CountdownWidget::moved, this, [this, id](QPoint topLeft) { moved(id, topLeft); });
    Shown& shown = m_shown.emplace_back(
        Shown { id, std::unique_ptr<CountdownWidget>(widget), {}, entry->position });
    refresh(shown, m_clock());
    const QPoint place = entry->position.value_or(
        ScreenPlacement::freePlace(widget->sizeHint(), int(m_shown.size()) - 1));
    widget->place(ScreenPlacement::keptOnScreen(QRect(place, widget->size())));
    widget->show();
    placeAbove(widget);
}

void CountdownViews::change(Id id)
{
    Shown* shown = find(id);
    const std::optional<CountdownEntry> entry = m_model->entry(id);
    if (!shown || !entry)
        return;
    CountdownWidget* widget = shown->widget.get();
    const std::optional<QPoint> placed = std::exchange(shown->position, entry->position);
    widget->entryChanged();
    // The title, date or form may be new.
    refresh(*shown, m_clock());
    // Moved, but not by a drag here: by another copy of the program.
    if (entry->position && entry->position != placed
        && *entry->position != widget->placed().topLeft())
        widget->place(ScreenPlacement::keptOnScreen(QRect(*entry->position, widget->size())));
    placeAbove(widget);
}

void CountdownViews::remove(Id id)
{
    std::erase_if(m_shown, [id](const Shown& shown) { return shown.id == id; });
}

void CountdownViews::moved(Id id, QPoint topLeft)
{
    if (m_model->move(id, topLeft).isEmpty())
        return;
    // Refused: back where it was.
    if (CountdownWidget* shown = widget(id)) {
        shown->place(ScreenPlacement::keptOnScreen(
            QRect(shown->entry().position.value_or(topLeft), shown->size())));
    }
}

void CountdownViews::refresh(Shown& shown, const QDateTime& now)
{
    const CountdownEntry entry = shown.widget->entry();
    shown.widget->setTexts(TimeLeft::caption(entry), TimeLeft::at(entry, now).text(entry.format));
    shown.nextChange = TimeLeft::nextChange(entry, now);
}

void CountdownViews::tick()
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

void CountdownViews::stayAbove(QWidget* window)
{
    m_stayAbove = window;
    window->installEventFilter(this);
    placeAllAbove();
}

void CountdownViews::placeAllAbove()
{
    for (Shown& shown : m_shown)
        placeAbove(shown.widget.get());
}

// Full screen on or off, minimized, a new native window (窗口置顶): the
// widgets follow once the window manager has taken the window on, as a
// window belongs to another only when that one is already managed.
bool CountdownViews::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == qApp && type == QEvent::Quit) {
        for (Shown& shown : m_shown)
            shown.widget->allowClose();
    }
    if (watched == m_stayAbove
        && (type == QEvent::WindowStateChange || type == QEvent::WinIdChange
            || type == QEvent::Show)) {
        m_placeAbove.start();
    }
    return QObject::eventFilter(watched, event);
}

// Only while the window is full screen: a window that belongs to another
// also goes when that one is minimized.
void CountdownViews::placeAbove(CountdownWidget* widget)
{
    const bool above = m_stayAbove && widget->entry().layer == CountdownEntry::Layer::Top
        && m_stayAbove->isVisible()
        && (m_stayAbove->windowState() & (Qt::WindowFullScreen | Qt::WindowMinimized))
            == Qt::WindowFullScreen;
    widget->stayAbove(above ? m_stayAbove->windowHandle() : nullptr);
}

void CountdownViews::watchScreen(const QScreen* screen)
{
    connect(screen, &QScreen::availableGeometryChanged, this, &CountdownViews::keepOnScreens);
}

// The entry keeps its place: the screen may come back.
void CountdownViews::keepOnScreens()
{
    for (Shown& shown : m_shown) {
        CountdownWidget* widget = shown.widget.get();
        const QPoint place = ScreenPlacement::keptOnScreen(widget->placed());
        if (place != widget->placed().topLeft())
            widget->place(place);
    }
}
