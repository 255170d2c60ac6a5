// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>

// Grows the text of a window's controls with the window, and the buttons'
// pictures with their captions. Each control's font and each button's icon
// size at the design size are kept as they were found; every change works
// from those afresh, and a factor of 1 puts them back exactly, a control that
// only inherited its font inheriting it again.
class TextScaler {
public:
    explicit TextScaler(const QList<QWidget*>& controls);

    // Sets every control's font to its design font times `factor`, and every
    // button's icon size to its design size times `factor`; nothing happens
    // while the factor stays the same.
    void setFactor(qreal factor);
    qreal factor() const { return m_factor; }

private:
    struct Control {
        QPointer<QWidget> widget;
        QFont designFont;
        bool ownFont;
        QSize designIconSize; // Invalid for a control that is no button.
    };
    QList<Control> m_controls;
    qreal m_factor = 1;
};
