// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging.h"

Q_LOGGING_CATEGORY(lcTick, "gaokao.tick", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "gaokao.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPreferences, "gaokao.preferences", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCopy, "gaokao.copy", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCountdowns, "gaokao.countdowns", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBoard, "gaokao.board", QtWarningMsg)
