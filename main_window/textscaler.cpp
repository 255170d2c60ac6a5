// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textscaler.h"

#include <QAbstractButton>
#include <QEvent>
#include <cmath>

TextScaler::TextScaler(QWidget* window, QSize designSize, const QList<QWidget*>& controls)
    : QObject(window)
    , m_window(window)
    , m_designSize(designSize)
{
    for (QWidget* widget : controls) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        m_controls.append({ widget, widget->font(), widget->testAttribute(Qt::WA_SetFont),
            button ? button->iconSize() : QSize() });
    }
    m_window->installEventFilter(this);
}

qreal TextScaler::factorFor(QSizeF size, QSizeF designSize)
{
    if (designSize.isEmpty() || size.isEmpty())
        return 1;
    const qreal f
        = std::min(size.width() / designSize.width(), size.height() / designSize.height());
    return std::isfinite(f) && f > 0 ? f : 1;
}

QFont TextScaler::scaledFont(const QFont& designFont, qreal factor)
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

void TextScaler::setGrowing(bool on)
{
    m_growing = on;
    update();
}

bool TextScaler::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        update();
    return false;
}

void TextScaler::update() { setFactor(m_growing ? factorFor(m_window->size(), m_designSize) : 1); }

void TextScaler::setFactor(qreal factor)
{
    if (factor == m_factor)
        return;
    m_factor = factor;
    for (const Control& control : std::as_const(m_controls)) {
        if (!control.widget)
            continue;
        // A default font sets nothing, so the control inherits again.
        if (factor == 1 && !control.ownFont)
            control.widget->setFont(QFont());
        else
            control.widget->setFont(scaledFont(control.designFont, factor));
        // Like the fonts, a factor that is not positive and finite keeps the
        // design size.
        if (control.designIconSize.isValid()) {
            const bool grows = qIsFinite(factor) && factor > 0 && factor != 1;
            static_cast<QAbstractButton*>(control.widget.data())
                ->setIconSize(grows ? control.designIconSize * factor : control.designIconSize);
        }
    }
}
