// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "datevalue.h"

// A clock that stands still until the test moves it, so no test waits for
// real seconds. It starts at 2014-3-1 12:34:56, the now of the worked example.
struct FakeClock {
    static inline const double kWorkedNow = DateValue::valueOf({ 2014, 3, 1, 12, 34, 56 }).value();

    double now = kWorkedNow;

    // Reads this clock for as long as it lives.
    Clock clock() const
    {
        return [this] { return now; };
    }
    void advance(double seconds) { now += seconds * DateValue::kOneSecond; }
};
