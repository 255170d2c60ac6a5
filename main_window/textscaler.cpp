// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textscaler.h"

#include "fontscale.h"

#include <QAbstractButton>

TextScaler::TextScaler(const QList<QWidget*>& controls)
{
    for (QWidget* widget : controls) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        m_controls.append({ widget, widget->font(), widget->testAttribute(Qt::WA_SetFont),
            button ? button->iconSize() : QSize() });
    }
}

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
            control.widget->setFont(FontScale::scaled(control.designFont, factor));
        // Like the fonts, a factor that is not positive and finite keeps the
        // design size.
        if (control.designIconSize.isValid()) {
            const bool grows = qIsFinite(factor) && factor > 0 && factor != 1;
            static_cast<QAbstractButton*>(control.widget.data())
                ->setIconSize(grows ? control.designIconSize * factor : control.designIconSize);
        }
    }
}
