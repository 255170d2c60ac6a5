// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of one tick: the current time and the time left to the target.
struct CountdownTexts {
    QString NowText; // Labnowtime
    QString TotalDaysText; // TextTIAN
    QString MonthsText; // TextM
    QString DaysText; // TextD
    QString HoursText; // TextH
    QString MinutesText; // TextF
    QString SecondsText; // TextS
    friend bool operator==(const CountdownTexts&, const CountdownTexts&) = default;
};

// The six countdown texts (all but NowText) for two date values. The
// difference is taken in whole seconds and read as a date value counted from
// 1899-12-30: months and days are those of that moment, corrected so that up to
// a year they add up to the whole days when counted as the months of 1900.
// Past the target everything but the total reads zero.
CountdownTexts ComputeCountdown(double now, double target);
