// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemfonts.h"

// A Windows font copied onto a Linux system is left to fontconfig: the
// windows look the same on every Linux system.
bool SystemFonts::bringsWindowsFonts() { return false; }
