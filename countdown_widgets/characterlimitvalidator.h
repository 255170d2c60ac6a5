// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// A limit on a text box's length in characters, as a user counts them and
// the preferences file takes them: a character outside the Basic
// Multilingual Plane (𝐀, many rare 汉字) counts once, where
// QLineEdit::setMaxLength counts it twice and may cut it in half. What goes
// over the limit is what was just typed or pasted, before the cursor.
class CharacterLimitValidator : public QValidator {
    Q_OBJECT
public:
    CharacterLimitValidator(qsizetype limit, QObject* parent);

    State validate(QString& input, int& pos) const override;

    static qsizetype characters(QStringView text);

private:
    qsizetype m_limit;
};
