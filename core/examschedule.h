// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"
#include "preferences.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

// The exam week's subjects (考试安排) that the classroom board shows on the
// days they are written, kept in the preferences file as the array [exam]
// (size=, then 1\subject=语文, 1\start=2027-06-07T09:00, 1\end=...; local
// time, :ss allowed) in the user's file, or else in the one for every user.
// An entry without a name, with a time that cannot be read, ending no later
// than it starts or overlapping one read before it is skipped with a reason
// and kept in the file as it stands, whatever is saved later: after the saved
// subjects, renumbered, and those past the first kMaxEntries past the array's
// size, so that they stay unread. With a size missing or no number, the numbered
// entries are read all the same. Skipped entries go to the log (gaokao.board).
class ExamSchedule {
public:
    struct Subject {
        QString name;
        QDateTime start;
        QDateTime end;
        bool operator==(const Subject&) const = default;
    };

    // Far more than an exam week has; a file that says more is not read further.
    static constexpr int kMaxEntries = 40;

    explicit ExamSchedule(Preferences preferences);

    struct Loaded {
        // In the order of their start.
        std::vector<Subject> subjects;
        // One line per skipped entry, in Chinese: which one and why.
        QStringList skipped;
    };
    // The schedule as the file holds it now; load() also tells the log
    // what was skipped.
    Loaded read() const;
    Loaded load() const;
    // Writes `subjects` in place of the readable ones; the skipped ones stay.
    [[nodiscard]] FileTrouble save(const std::vector<Subject>& subjects) const;
    // Whether the school's lock keeps the schedule as the school wrote it.
    bool isLocked() const { return m_preferences.isLocked(); }

    // Why `subjects`, numbered in their order, could not all be read back
    // from the file, as the first one that could not says; empty when they can.
    static QString problem(const std::vector<Subject>& subjects);
    // For each of `subjects`, why the file's reader would skip it (a name it
    // refuses, a time outside 1900 to 9999, no end after the start, an overlap
    // with one before it, a place past kMaxEntries), or empty.
    static QStringList problems(const std::vector<Subject>& subjects);
    // The common schedule of the 3+1+2 model in `year`, 7 to 9 June.
    static std::vector<Subject> common(int year);
    // The group [exam], an array of subject, start and end.
    static const PreferenceGroup& group();
    // "2027-06-07T09:00", as the file holds a time.
    static QString timeText(const QDateTime& time);

private:
    Preferences m_preferences;
};
