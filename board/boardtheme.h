// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardoptions.h"

#include <QColor>

// The classroom board's colours, chosen for a projector in a lit room: plain
// backgrounds with no picture, and every text at least 7:1 against its
// background (WCAG AAA). Dark is the default; red is the festive one that
// classrooms hang for the exam. In the red theme the last minutes of a
// subject show in yellow, as red would not stand out on red.
struct BoardTheme {
    QColor background;
    // The title, heading and lines around the countdown.
    QColor text;
    // The days or the subject, the one thing read from the back row.
    QColor big;
    // The time left in the last 15 minutes of a subject.
    QColor urgent;

    static BoardTheme of(BoardOptions::Theme theme);
};
