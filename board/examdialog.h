// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "examschedule.h"

#include <QDialog>

class QDateTimeEdit;
class QLabel;
class QPushButton;
class QTableWidget;

// 考试安排…: the exam schedule as a table (科目, 开始, 结束) with rows to add
// and remove, and a button that fills in the common 3+1+2 schedule of the
// target's year, with the reminder that the province's own times count. Each
// row says beside it, as it is typed, why the board would skip it (see
// ExamSchedule::problems). The entries of the file that could not be read are
// listed under it, scrolling when they are many: they stay in the file. 确定
// saves, and keeps the dialog open when a row cannot be saved as it is or the
// file cannot be written, saying why. Under the school's
// lock it shows the schedule and the lock's reason, and changes nothing.
class ExamDialog : public QDialog {
    Q_OBJECT
public:
    ExamDialog(const ExamSchedule& schedule, int targetYear, const QString& lockReason,
        QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }
    // The subjects as the table holds them now.
    std::vector<ExamSchedule::Subject> subjects() const;
    void fillCommon();
    // What the row's 问题 column says, empty when it may be saved.
    QString problemShown(int row) const;

    void accept() override;

private:
    void setSubjects(const std::vector<ExamSchedule::Subject>& subjects);
    void addRow(const ExamSchedule::Subject& subject);
    void showProblems();
    void tell(const QString& text);

    const ExamSchedule& m_schedule;
    int m_year;
    QTableWidget* m_table;
};
