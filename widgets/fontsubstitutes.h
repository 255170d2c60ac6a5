// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The layout names Windows fonts (黑体, 隶书, 华文新魏, 楷体_GB2312, 宋体).
// On Windows they are taken by their English names where Windows lists them
// so, and the nearest font that comes with Windows stands in for a missing one.
// Where a system lacks them, Qt is told which installed fonts stand in.
void installFontSubstitutes();
