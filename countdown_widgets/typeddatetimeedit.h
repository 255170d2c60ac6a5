// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTimeEdit>

// A date box (yyyy-MM-dd) or a time box (HH:mm) that takes a date or time
// typed over it whole. Qt's box edits one part at a time and refuses a
// keystroke that does not fit the part under the cursor: typed over the
// selected date, 2027-06-07 left the year as it was. Here typing that begins
// at the start of the box (or over all of it) is kept as typed (2027-06-07,
// 2027-6-7, 2027/6/7, 20270607; 14:30, 9:05, 1430) and taken as one value
// when the typing ends: Enter, focus out, another key, or `finishTyping()`.
// A date or time that does not exist, or a date outside the box's range, is
// not taken, and `problem()` says why (for the range, in the sentence given)
// until the value is chosen again.
class TypedDateTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    TypedDateTimeEdit(QDate date, QWidget* parent);
    TypedDateTimeEdit(QTime time, QWidget* parent);

    // What problem() says of a typed date outside the box's date range.
    void setRangeProblem(const QString& problem) { m_rangeProblem = problem; }
    // Takes what was typed, if anything: called before the value is read.
    void finishTyping();
    // Why the typed value was not taken, or empty.
    QString problem() const { return m_problem; }

signals:
    void problemFound(const QString& problem);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void type(QKeyEvent* event);
    void take(const QString& typed);

    // The characters typed since the typing began at the start of the box.
    QString m_typed;
    // Where the typing left the cursor: a click elsewhere ends it.
    int m_typedTo = -1;
    QString m_problem;
    QString m_rangeProblem;
    // Qt's box moved on to the next part by itself: a separator typed next
    // is the user's way to that same part, not to the one after it.
    bool m_movedOn = false;
};
