// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownlist.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class CountdownWidget;

// The user's countdowns on the desktop: one `CountdownWidget` per entry of
// the `CountdownList`, loaded at the start. It adds, edits, deletes and
// changes them as the user asks and saves the list after each change (a
// widget's new place a moment after the drag ends); a save that fails is
// told once, and the widgets keep what the user did for the run. `tick()`
// follows the main window's clock: each widget's text is worked out again
// only when it changes next, or when the clock went back. While locked, no
// countdown can be added, changed, deleted or moved.
class CountdownWidgets : public QObject {
    Q_OBJECT
public:
    static constexpr int kSaveDelayMs = 500;
    using DateTimeClock = std::function<QDateTime()>;

    explicit CountdownWidgets(CountdownList list, DateTimeClock clock = &QDateTime::currentDateTime,
        QObject* parent = nullptr);
    ~CountdownWidgets() override;

    // Loads the countdowns and shows their widgets.
    void start();

    QList<CountdownWidget*> widgets() const;
    // One line for each entry of the file that could not be read.
    QStringList skipped() const { return m_skipped; }

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);

    // Asks for a new countdown in the dialog, over `parent` when given.
    void add(QWidget* parent = nullptr);
    void edit(CountdownWidget* widget);
    // Asks first, naming the countdown.
    void remove(CountdownWidget* widget);
    // Takes the entry's looks, layer, lock and input choices.
    void change(CountdownWidget* widget, const CountdownEntry& entry);
    // Brings the texts up to the clock, cheaply when nothing is due.
    void tick();

signals:
    // A countdown was added, changed or deleted.
    void changed();

private:
    struct Shown;

    CountdownWidget* show(const CountdownEntry& entry, const QDateTime& now);
    // The entry the user typed in the dialog, or none when it was cancelled.
    std::optional<CountdownEntry> ask(
        const std::optional<CountdownEntry>& editing, QWidget* parent) const;
    Shown* find(const CountdownWidget* widget);
    void refresh(Shown& shown, const QDateTime& now);
    void keepOnScreens();
    void watchScreen(const class QScreen* screen);
    void popUpMenu(CountdownWidget* widget, QPoint globalPos);
    void moved(CountdownWidget* widget, QPoint topLeft);
    void save();
    std::vector<CountdownEntry> entries() const;

    CountdownList m_list;
    DateTimeClock m_clock;
    std::vector<Shown> m_shown;
    QStringList m_skipped;
    QDateTime m_lastTick;
    bool m_locked = false;
    bool m_saveTroubleTold = false;
    QTimer m_saveTimer;
};
