// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TypedDateTimeEdit;

// 添加倒计时 and 编辑倒计时: the name, date, time, yearly repeat and form of
// one countdown. It takes 确定 only for what the preferences file takes and
// reads back (CountdownSchema: the name, the date's years) and for a typed
// date and time that exist, saying in the dialog what is wrong otherwise; the
// caller reads `entry()` after it was accepted and saves it.
class CountdownDialog : public QDialog {
    Q_OBJECT
public:
    // Adds a countdown to `today`'s next day, or edits `editing` (its place
    // and looks go through unchanged).
    CountdownDialog(const std::optional<CountdownEntry>& editing, QDate today, QWidget* parent);

    CountdownEntry entry() const;
    // Why what was typed cannot be kept, or empty.
    QString problem() const;

    void accept() override;

private:
    void showProblem(const QString& why);

    CountdownEntry m_entry;
    QLineEdit* m_title;
    TypedDateTimeEdit* m_date;
    TypedDateTimeEdit* m_time;
    QCheckBox* m_repeat;
    QComboBox* m_format;
    QLabel* m_error;
};
