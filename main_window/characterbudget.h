// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

// Bounds how many different characters the captions draw from settings
// files that hold bytes which are no text. The font engines keep the glyph of
// every character they have drawn until the program ends, so a file that
// holds new random bytes every second (a link to a random device, a disk
// going bad) would draw most of GB18030 within hours: hundreds of MB. Random
// bytes are almost never valid text throughout, while a title a school types
// always is; so only the characters of a file with undecodable bytes count,
// and once kLimit different ones have been drawn from such files, a character
// not drawn before shows as U+FFFD. Clean text is always shown as it is.
class CharacterBudget {
public:
    static constexpr qsizetype kLimit = 1000;

    // `text` with the characters beyond the budget replaced.
    QString admit(const QString& text);

private:
    QSet<char32_t> m_drawn;
};
