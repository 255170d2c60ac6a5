// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// When the next tick should fire: just after the next full second of the wall
// clock, so every tick shows a time one second later than the one before, even
// when the timer or the machine runs late.
namespace TickSchedule {

// How far after the full second a tick lands, so a timer that fires a little
// early still lands in the right second.
inline constexpr int kMarginMs = 15;

// Milliseconds from the wall-clock time `msSinceEpoch` to the next tick.
int delayToNextTick(qint64 msSinceEpoch);

} // namespace TickSchedule
