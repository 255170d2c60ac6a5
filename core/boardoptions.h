// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences.h"

#include <QString>
#include <QStringList>

// What the [board] group of the preferences file chooses for the classroom
// board (大屏显示): theme=dark|red, motto= (a line under the countdown, none
// when empty) and rollOver=false, which keeps the board on the settings
// file's target after exam week instead of the next year's. A value that
// cannot be read takes the default, with a line in the log (gaokao.board).
struct BoardOptions {
    enum class Theme { Dark, Red };

    Theme theme = Theme::Dark;
    QString motto;
    bool rollOver = true;

    // From the user's file when it has the group, else the one for every user;
    // a Group Policy value (Theme, Motto, RollOver) stands over either.
    // What could not be read goes to the log, or to `notes` when given.
    static BoardOptions read(const Preferences& preferences, QStringList* notes = nullptr);

    bool operator==(const BoardOptions&) const = default;
    // The group [board]: theme, motto, rollOver.
    static const PreferenceGroup& group();
};
