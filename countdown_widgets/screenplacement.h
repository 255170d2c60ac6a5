// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// Where a desktop widget goes: a free place on the primary screen for one
// that has none yet, and back onto a screen for one that a screen took away
// with it (unplugged, made smaller, moved).
namespace ScreenPlacement {

// The top-left corner for the `index`th widget without a place: down the
// right-hand side of the primary screen's free area.
QPoint freePlace(QSize size, int index);

// `geometry`'s top-left corner where enough of it shows on a screen to grab;
// otherwise the nearest place inside the primary screen's free area.
QPoint keptOnScreen(const QRect& geometry);

} // namespace ScreenPlacement
