// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipscontrol.h"

#include <QList>
#include <vector>

// One control's geometry as fractions of the window's inner size, in single
// precision.
struct ControlRatio {
    float WidthRatio = 0;
    float HeightRatio = 0;
    float TopRatio = 0;
    float LeftRatio = 0;
};

// Keeps every control of a window in proportion to the window's inner size.
// The fractions are recorded once, at the design size, and every rescale
// works from them afresh, so no sequence of resizes drifts. Whatever fails for
// one control (no size, a zero divisor, a value out of range) is skipped for
// that control alone.
class ProportionalLayout {
public:
    // Sizes the table afresh, every field 0.
    void resize(qsizetype count) { ControlRatios.assign(std::size_t(count), ControlRatio {}); }

    void record(const QList<TwipsControl>& controls, float scaleWidth, float scaleHeight);
    void rescale(QList<TwipsControl>& controls, float scaleWidth, float scaleHeight);

    std::vector<ControlRatio> ControlRatios;
};
