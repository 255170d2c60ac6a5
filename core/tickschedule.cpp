// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickschedule.h"

namespace TickSchedule {

int delayToNextTick(qint64 msSinceEpoch)
{
    qint64 intoSecond = msSinceEpoch % 1000;
    if (intoSecond < 0)
        intoSecond += 1000;
    // Aim at the next full second plus the margin, whatever this tick's lateness.
    return int(1000 - intoSecond) + kMarginMs;
}

} // namespace TickSchedule
