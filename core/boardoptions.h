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
    // The keys of group(), in its order.
    enum Key { ThemeKey, MottoKey, RollOverKey };
    // A line of the board: a longer one in the file is cut, as a screen
    // holds no more.
    static constexpr int kMaxMottoLength = 40;

    Theme theme = Theme::Dark;
    QString motto;
    bool rollOver = true;

    // From the user's file when it has the group, else the one for every user;
    // a Group Policy value (Theme, Motto, RollOver) stands over either.
    // What could not be read goes to the log, or to `notes` when given.
    static BoardOptions read(const Preferences& preferences, QStringList* notes = nullptr);

    // Why `motto` cannot be the board's as typed (control characters, more
    // than kMaxMottoLength characters once its spaces are simplified), in a
    // sentence a dialog shows; empty when it can.
    static QString mottoProblem(const QString& motto);
    // "dark" or "red", as the file holds it.
    static QString themeText(Theme theme);

    bool operator==(const BoardOptions&) const = default;
    // The group [board]: theme, motto, rollOver.
    static const PreferenceGroup& group();
};
