// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontscale.h"

#include <cmath>

namespace FontScale {

qreal factor(QSizeF size, QSizeF designSize)
{
    if (designSize.isEmpty() || size.isEmpty())
        return 1;
    const qreal f
        = std::min(size.width() / designSize.width(), size.height() / designSize.height());
    return std::isfinite(f) && f > 0 ? f : 1;
}

QFont scaled(const QFont& designFont, qreal factor)
{
    // Returning the very design font, rather than one scaled by 1, keeps the
    // size a control goes back to exactly what it was drawn with.
    if (factor == 1 || !std::isfinite(factor) || factor <= 0)
        return designFont;
    QFont font = designFont;
    if (designFont.pointSizeF() > 0)
        font.setPointSizeF(designFont.pointSizeF() * factor);
    else if (designFont.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(designFont.pixelSize() * factor)));
    return font;
}

}
