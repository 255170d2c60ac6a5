// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

// Windows and macOS always have their window system.
bool DisplayCheck::available(const QStringList&, const QProcessEnvironment&) { return true; }
