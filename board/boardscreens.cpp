// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardscreens.h"

#include "board.h"
#include "logging.h"
#include "timeleft.h"
#include "workpool.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

BoardScreens::BoardScreens(Preferences preferences, Clock clock, Source source, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_schedule(std::move(preferences))
    , m_clock(std::move(clock))
    , m_source(std::move(source))
{
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &BoardScreens::remove);
}

BoardScreens::~BoardScreens() { qDeleteAll(boards()); }

void BoardScreens::open(const QList<QScreen*>& screens)
{
    qDeleteAll(boards());
    m_boards.clear();
    reload();
    for (QScreen* screen : screens) {
        auto* board = new Board(screen, m_options);
        connect(board, &Board::leaveRequested, this, &BoardScreens::close);
        connect(board, &Board::scheduleRequested, this,
            [this, board] { emit scheduleRequested(board); });
        connect(board, &Board::exitRequested, this, &BoardScreens::exitRequested);
        m_boards.append(board);
    }
    tick();
    for (Board* board : boards())
        board->showOnScreen();
}

void BoardScreens::close()
{
    if (m_boards.isEmpty())
        return;
    // Asked from a board's own menu or key, which is still busy with it.
    for (Board* board : boards()) {
        board->hide();
        board->deleteLater();
    }
    m_boards.clear();
    emit closed();
}

QList<Board*> BoardScreens::boards() const
{
    QList<Board*> boards;
    for (const QPointer<Board>& board : m_boards)
        if (board)
            boards.append(board);
    return boards;
}

void BoardScreens::reload()
{
    take(readNow(m_preferences, m_schedule));
    if (isOpen())
        show();
}

BoardScreens::Reading BoardScreens::readNow(
    const Preferences& preferences, const ExamSchedule& schedule)
{
    Reading reading;
    reading.options = BoardOptions::read(preferences, &reading.notes);
    reading.schedule = schedule.read();
    return reading;
}

void BoardScreens::take(const Reading& reading)
{
    // Told once, not at every read.
    const QStringList lines = reading.notes + reading.schedule.skipped;
    if (lines != m_told)
        for (const QString& line : lines)
            if (!m_told.contains(line))
                qCWarning(lcBoard).noquote() << line;
    m_told = lines;
    m_options = reading.options;
    m_subjects = reading.schedule.subjects;
    for (Board* board : boards())
        board->setOptions(m_options);
}

void BoardScreens::refresh()
{
    // A tick while a read runs asks for one more after it: that one sees
    // whatever was saved since the running one began.
    if (m_refreshing) {
        m_readAgain = true;
        return;
    }
    m_refreshing = true;
    WorkPool::run(
        this,
        [preferences = m_preferences, schedule = m_schedule] {
            return readNow(preferences, schedule);
        },
        [this](const Reading& reading) {
            m_refreshing = false;
            if (!isOpen()) {
                m_readAgain = false;
                return;
            }
            take(reading);
            show();
            if (std::exchange(m_readAgain, false))
                refresh();
        });
}

QDateTime BoardScreens::now() const
{
    const QDateTime now = TimeLeft::localMoment(m_clock());
    return now.isValid() ? now : QDateTime::currentDateTime();
}

void BoardScreens::tick()
{
    if (!isOpen())
        return;
    show();
    refresh();
}

void BoardScreens::show()
{
    const BoardContent content = BoardContent::at(m_source(), m_subjects, m_options, now());
    for (Board* board : boards())
        board->setContent(content);
}

int BoardScreens::targetYear() const
{
    const QDateTime now = this->now();
    const QDateTime target = BoardContent::at(m_source(), m_subjects, m_options, now).countedTarget;
    return target.isValid() ? target.date().year() : now.date().year();
}

void BoardScreens::remove(QScreen* screen)
{
    bool removed = false;
    for (Board* board : boards()) {
        if (board->boardScreen() == screen) {
            m_boards.removeAll(board);
            board->hide();
            board->deleteLater();
            removed = true;
        }
    }
    if (removed && boards().isEmpty())
        close();
}
