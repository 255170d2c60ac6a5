// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// 标语…: the line the classroom board shows under the countdown, typed in one
// box. 确定 saves it to the board's options and closes; a motto the board
// would not show as typed (control characters, more than 40 characters) or a
// file that cannot be written is told in the dialog, which stays open and
// changes nothing. Empty, the board shows none.
class MottoDialog : public QDialog {
    Q_OBJECT
public:
    MottoDialog(Preferences preferences, const QString& motto, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    // Why the last 确定 did not save, empty before.
    QString problem() const;

    void accept() override;

private:
    Preferences m_preferences;
    QLineEdit* m_edit;
    QLabel* m_problem;
};
