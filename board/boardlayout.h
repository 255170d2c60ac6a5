// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardcontent.h"
#include "boardtext.h"
#include "boardtheme.h"

#include <QRect>
#include <QSize>
#include <array>

// Where the classroom board's parts go on a board of a given size, and in
// which lines and fonts, sized by the board's height so that they read the
// same from the back row on any screen, whatever its shape or scaling: the
// days' digits at least 30 % of the height, the title and heading 6 %, every
// other text 4.5 % (heights of the ink, from the font's own digits). While a
// subject is written or next, the time left is the huge part (shrunk to the
// board's width, at least 20 % on a landscape screen), the subject and its
// times at least 8 % and the clock 6 %. A board taller than 4:3 is laid out
// by the height a 4:3 board of its width would have. Each part has a
// preferred size a little above its minimum; a text too wide for the board
// shrinks towards the minimum, then the title, the heading and the motto go
// on two lines, and what still does not fit ends in …, so that nothing is
// ever cut off; the target's line and the clock instead go on two lines and
// shrink until they fit, and never lose their date or time. Trouble with the
// settings file shows in the motto's place, on one line. The parts stand one
// under the other, the space left shared between them; on a board too low
// for them all, every part shrinks alike until they fit.
namespace BoardLayout {

enum class Part { Title, Heading, Days, Detail, Target, Now, Motto };
inline constexpr int kParts = 7;
// The parts' object names, in the order of Part.
inline constexpr std::array<const char16_t*, kParts> kNames = { u"boardTitle", u"boardHeading",
    u"boardDays", u"boardDetail", u"boardTarget", u"boardNow", u"boardMotto" };

// The smallest height of each part's ink, as a share of the board's height.
qreal minimumShare(Part part);
// The share of the days' digits: the number in the middle of boardDays.
inline constexpr qreal kDigitsShare = 0.30;
// While a subject is written or next: the heading's and the clock's.
inline constexpr qreal kExamHeadingShare = 0.08;
inline constexpr qreal kExamNowShare = 0.06;
// The height the shares are of: the board's, or on a board taller than 4:3
// that of a 4:3 board as wide.
qreal laidOutHeight(QSize size);

struct Placed {
    // Empty for a part with nothing to show.
    QRect rect;
    QList<BoardLine> lines;
    // The band behind the part, or invalid for the board's background.
    QColor background;
};
using Placement = std::array<Placed, kParts>;

Placement place(
    const BoardContent& content, const QString& motto, const BoardTheme& theme, QSize size);

// The font of every part: the layout's 黑体, as the program's fonts stand in for it.
QFont font(int pixelSize, bool bold = false);

} // namespace BoardLayout
