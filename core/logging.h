// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The program's logging category. Warnings show by default; each tick's texts
// show with QT_LOGGING_RULES="gaokao.tick.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcTick)
