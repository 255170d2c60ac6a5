// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The user's guide that came with the program, as a web page with its
// pictures: where the package put it (ProgramInfo::guideFromProgramFolder),
// found from wherever the program runs, so a copy under /usr/local or an
// unpacked zip finds its own.
namespace UserGuide {

// The guide's file, or nothing when the program came without one (built
// and run from the source tree).
QString installedFile();

} // namespace UserGuide
