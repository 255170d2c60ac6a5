// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardcontent.h"
#include "clock.h"
#include "examschedule.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QScreen;
class QWidget;
class Board;

// The classroom board on one screen or several (--screen all), one window
// each, all showing the same. Opening reads the board's options and the exam
// schedule; at each tick() of the main window's timer it works out what to
// show from the clock and what the main window shows (its title, heading and
// target), so the board adds no timer and no read of the settings file of its
// own. Each tick also reads the options and the schedule again, off the
// window's thread (a shared folder may be slow), so that an edit made on
// another screen that shares the settings folder shows a moment later. It tells when a board asks
// to leave, for the exam schedule or to end the program; leaving closes every board. A board whose
// screen goes away closes with it.
class BoardScreens : public QObject {
    Q_OBJECT
public:
    using Source = std::function<BoardContent::Source()>;

    BoardScreens(Preferences preferences, Clock clock, Source source, QObject* parent = nullptr);
    ~BoardScreens() override;

    // One board on each screen, replacing any open ones.
    void open(const QList<QScreen*>& screens);
    void close();
    bool isOpen() const { return !m_boards.isEmpty(); }
    QList<Board*> boards() const;

    void tick();
    // The options and the schedule again, after the schedule was edited.
    void reload();

    const ExamSchedule& schedule() const { return m_schedule; }
    // The year of the target the board counts to; the clock's year before a
    // target is read.
    int targetYear() const;

signals:
    void closed();
    // A board's 考试安排…, to be opened over it.
    void scheduleRequested(QWidget* board);
    void exitRequested();

private:
    struct Reading {
        BoardOptions options;
        ExamSchedule::Loaded schedule;
        QStringList notes;
    };
    static Reading readNow(const Preferences& preferences, const ExamSchedule& schedule);
    void take(const Reading& reading);
    void refresh();
    void show();
    QDateTime now() const;
    void remove(QScreen* screen);

    Preferences m_preferences;
    ExamSchedule m_schedule;
    Clock m_clock;
    Source m_source;
    BoardOptions m_options;
    std::vector<ExamSchedule::Subject> m_subjects;
    QList<QPointer<Board>> m_boards;
    bool m_refreshing = false;
    bool m_readAgain = false;
    // What the log was last told of the options and the schedule.
    QStringList m_told;
};
