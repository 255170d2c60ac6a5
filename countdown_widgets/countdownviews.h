// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownmodel.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QScreen;
class CountdownWidget;

// The desktop countdowns' windows: one `CountdownWidget` for each entry of
// the `CountdownModel`, made, changed and removed as the model says. A new
// widget goes to the entry's place, or down the right of the primary screen;
// a widget a screen took away with it comes back onto one that is there (the
// entry keeps its place: the screen may come back). A drag that ends is
// handed to the model; a right-click asks for the menu. `tick()` follows the
// main window's clock: a widget's text is worked out again only when it
// changes next, or when the clock went back.
class CountdownViews : public QObject {
    Q_OBJECT
public:
    using DateTimeClock = std::function<QDateTime()>;

    explicit CountdownViews(CountdownModel* model,
        DateTimeClock clock = &QDateTime::currentDateTime, QObject* parent = nullptr);
    ~CountdownViews() override;

    CountdownModel* model() const { return m_model; }
    QDateTime now() const { return m_clock(); }
    // In the model's order.
    QList<CountdownWidget*> widgets() const;
    // Null when the entry has none (any more).
    CountdownWidget* widget(CountdownModel::Id id) const;

    // 置顶 widgets stay above `window` also while it is full screen, where a
    // desktop puts it above every window that stays on top.
    void stayAbove(QWidget* window);
    // Brings the texts up to the clock, cheaply when nothing is due.
    void tick();

signals:
    void menuRequested(CountdownModel::Id id, QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown;

    void add(CountdownModel::Id id);
    void change(CountdownModel::Id id);
    void remove(CountdownModel::Id id);
    Shown* find(CountdownModel::Id id);
    void refresh(Shown& shown, const QDateTime& now);
    void moved(CountdownModel::Id id, QPoint topLeft);
    void placeAbove(CountdownWidget* widget);
    void placeAllAbove();
    void keepOnScreens();
    void watchScreen(const QScreen* screen);

    CountdownModel* m_model;
    DateTimeClock m_clock;
    std::vector<Shown> m_shown;
    QDateTime m_lastTick;
    QPointer<QWidget> m_stayAbove;
    QTimer m_placeAbove;
};
