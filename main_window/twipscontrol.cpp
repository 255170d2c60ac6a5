// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "twipscontrol.h"

#include "twips.h"

#include <QWidget>
#include <cmath>

TwipsControl::TwipsControl(QWidget* widget, float left, float top, float width, float height)
    : m_object(widget)
    , m_left(left)
    , m_top(top)
    , m_width(width)
    , m_height(height)
{
}

TwipsControl::TwipsControl(QObject* object, float left, float top)
    : m_object(object)
    , m_left(left)
    , m_top(top)
{
}

std::optional<float> TwipsControl::Left() const
{
    return m_object ? std::optional(m_left) : std::nullopt;
}

std::optional<float> TwipsControl::Top() const
{
    return m_object ? std::optional(m_top) : std::nullopt;
}

std::optional<float> TwipsControl::Width() const { return m_object ? m_width : std::nullopt; }

std::optional<float> TwipsControl::Height() const { return m_object ? m_height : std::nullopt; }

bool TwipsControl::Move(float left, float top, float width, float height)
{
    auto* widget = qobject_cast<QWidget*>(m_object.data());
    if (!widget || !m_width)
        return false;
    // A widget's geometry is in whole pixels of int range; refuse what cannot fit.
    constexpr float kLimit = 1e8f;
    for (float v : { left, top, width, height })
        if (!std::isfinite(v) || std::fabs(v) > kLimit)
            return false;
    if (width < 0 || height < 0)
        return false;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    widget->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
        Twips::toPixels(height));
    return true;
}
