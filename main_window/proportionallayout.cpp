// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "proportionallayout.h"

#include <cmath>

namespace {
// A quotient that is stored only when it is a finite number.
void assignRatio(float& field, std::optional<float> value, float divisor)
{
    if (!value || divisor == 0)
        return;
    const float quotient = *value / divisor;
    if (std::isfinite(quotient))
        field = quotient;
}
}

void ProportionalLayout::record(
    const QList<TwipsControl>& controls, float scaleWidth, float scaleHeight)
{
    const qsizetype count = controls.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (std::size_t(i) >= ControlRatios.size())
            break;
        ControlRatio& ratio = ControlRatios[std::size_t(i)];
        assignRatio(ratio.WidthRatio, controls[i].Width(), scaleWidth);
        assignRatio(ratio.HeightRatio, controls[i].Height(), scaleHeight);
        assignRatio(ratio.LeftRatio, controls[i].Left(), scaleWidth);
        assignRatio(ratio.TopRatio, controls[i].Top(), scaleHeight);
    }
}

void ProportionalLayout::rescale(QList<TwipsControl>& controls, float scaleWidth, float scaleHeight)
{
    const qsizetype count = controls.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (std::size_t(i) >= ControlRatios.size())
            break;
        const ControlRatio& ratio = ControlRatios[std::size_t(i)];
        const float left = scaleWidth * ratio.LeftRatio;
        const float top = scaleHeight * ratio.TopRatio;
        const float width = scaleWidth * ratio.WidthRatio;
        const float height = scaleHeight * ratio.HeightRatio;
        // Move refuses what it cannot take; the control then stays where it is.
        controls[i].Move(left, top, width, height);
    }
}
