// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenplacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kEdgeGap = 24;
constexpr int kStackGap = 12;
// As much of a widget as must show for a mouse to take hold of it.
constexpr int kGrabbable = 24;

QRect primaryArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}
}

namespace ScreenPlacement {

QPoint freePlace(QSize size, int index)
{
    const QRect area = primaryArea();
    const int rows = std::max(1, (area.height() - kEdgeGap) / (size.height() + kStackGap));
    const int column = index / rows;
    const int row = index % rows;
    const QPoint place(
        area.right() + 1 - kEdgeGap - (column + 1) * (size.width() + kStackGap) + kStackGap,
        area.top() + kEdgeGap + row * (size.height() + kStackGap));
    return keptOnScreen(QRect(place, size));
}

QPoint keptOnScreen(const QRect& geometry)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(geometry);
        if (shown.width() >= std::min(kGrabbable, geometry.width())
            && shown.height() >= std::min(kGrabbable, geometry.height()))
            return geometry.topLeft();
    }
    const QRect area = primaryArea();
    const int x = std::clamp(
        geometry.left(), area.left(), std::max(area.left(), area.right() + 1 - geometry.width()));
    const int y = std::clamp(
        geometry.top(), area.top(), std::max(area.top(), area.bottom() + 1 - geometry.height()));
    return { x, y };
}

} // namespace ScreenPlacement
