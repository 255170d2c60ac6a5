// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The fonts the windows' layout names: Windows fonts, by their Chinese names.
// installFontSubstitutes() tells Qt which fonts stand in for each, in one
// table in fontsubstitutes.cpp: on Windows its own fonts by their English
// names first, and the nearest one that comes with Windows for a missing one;
// everywhere the free fonts that Debian packages. Characters that none of
// them has (U+FDFD ﷽) come from whichever installed font has them.
namespace LayoutFonts {

inline const QString kHeiti = QStringLiteral("黑体");
inline const QString kLishu = QStringLiteral("隶书");
inline const QString kKaitiGb2312 = QStringLiteral("楷体_GB2312");
inline const QString kXinwei = QStringLiteral("华文新魏");
inline const QString kSongti = QStringLiteral("宋体");

} // namespace LayoutFonts

void installFontSubstitutes();
