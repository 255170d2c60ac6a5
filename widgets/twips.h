// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The unit of the window definitions: 15 twips are one logical pixel.
namespace Twips {
inline constexpr float kPerPixel = 15.0f;
inline int toPixels(float twips) { return qRound(twips / kPerPixel); }
}
