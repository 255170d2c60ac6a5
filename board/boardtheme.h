// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardoptions.h"

#include <QColor>

// The classroom board's colours, chosen for a projector in a lit room: plain
// backgrounds with no picture, and every text at least 7:1 against its
// background (WCAG AAA). Dark is the default; red is the festive one that
// classrooms hang for the exam. In the last 15 minutes of a subject the time
// left turns a plain red, 4.5:1 against what is behind it and unlike any
// other colour of the board. On the red theme no red reaches that against
// the red background, and white would not read as a warning: the time left
// gets a near-black band across the board, in the same red as on the dark
// theme, so that the warning looks the same in both and the band itself,
// a large block appearing on the red board, shows from the back of the room
// even on a washed-out projector.
struct BoardTheme {
    QColor background;
    // The title, heading and lines around the countdown.
    QColor text;
    // The days or the time left, the one thing read from the back row.
    QColor big;
    // The time left in the last 15 minutes of a subject.
    QColor urgent;
    // Behind the time left in those minutes; invalid for the background.
    QColor urgentBand;

    static BoardTheme of(BoardOptions::Theme theme);
};
