// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSizeF>

// How text grows with a window. The controls' boxes grow with the window's
// width and height separately; a text that grew by the smaller of the two
// ratios keeps its proportion to its box in both directions and never
// outgrows it, as it was drawn at the design size.
namespace FontScale {

// The smaller of the width and height ratios of `size` to `designSize`; 1 when
// either size is empty or not finite, so nothing is ever scaled to nothing.
qreal factor(QSizeF size, QSizeF designSize);

// `designFont` with its point size times `factor`; the design font itself,
// unchanged, for a factor of 1 or one that is not positive and finite. A
// font without a point size (set in pixels) scales its pixel size.
QFont scaled(const QFont& designFont, qreal factor);

}
