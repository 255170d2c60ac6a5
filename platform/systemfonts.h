// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What this system brings of the Windows fonts that the windows' layout
// names (黑体, 隶书, ...): Windows brings most of them, which Qt knows by their
// English names (SimHei) unless Windows' display language is Chinese; other
// systems bring none, and only the free fonts that stand in for them serve.
// Chosen by the build: systemfonts_win.cpp, systemfonts_unix.cpp.
namespace SystemFonts {

bool bringsWindowsFonts();

} // namespace SystemFonts
