// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The program's logging categories, all under "gaokao.". Turned on from
// outside, e.g. QT_LOGGING_RULES="gaokao.tick.debug=true" gaokao-countdown
Q_DECLARE_LOGGING_CATEGORY(lcTick) // each tick's texts (debug)
Q_DECLARE_LOGGING_CATEGORY(lcSettings) // trouble with the settings file (warning)
Q_DECLARE_LOGGING_CATEGORY(
    lcPreferences) // a system-wide preferences file ignored (warning), its lock lifted (info)
Q_DECLARE_LOGGING_CATEGORY(lcCopy) // one copy per settings folder (info, warning)
Q_DECLARE_LOGGING_CATEGORY(lcCountdowns) // desktop countdowns that cannot be read (warning)
Q_DECLARE_LOGGING_CATEGORY(
    lcBoard) // the exam schedule's and the board's keys that cannot be read (warning)
