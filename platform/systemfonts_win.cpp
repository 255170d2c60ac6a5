// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemfonts.h"

bool SystemFonts::bringsWindowsFonts() { return true; }
