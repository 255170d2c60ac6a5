// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controldesign.h"

#include <QColor>
#include <QObject>

class QWidget;

// What a window decides for all its controls alike, beyond their rows.
struct WindowLook {
    // Labels start their text where the characters begin (DesignLabel),
    // rather than at the top of the font's line.
    bool designLabels = false;
    // The face of picture buttons; invalid: the platform's.
    QColor buttonFace;
};

// Makes the control of one design row inside `container`: an object of the
// class its type stands for (a QTimer for a timer, a widget otherwise), named
// after the row, with the row's geometry, text, font, colours, alignment,
// picture, visibility and enabled state. A label takes the platform's button
// text colour where the row names none, never its container's.
QObject* buildControl(const ControlDesign& design, QWidget* container, const WindowLook& look);

// The same, typed: the class must be the one the row's type stands for (or
// one of its bases), which the program's tests check row by row.
template <class Control>
Control* buildControlAs(const ControlDesign& design, QWidget* container, const WindowLook& look)
{
    auto* control = qobject_cast<Control*>(buildControl(design, container, look));
    Q_ASSERT_X(control, "buildControlAs", "the row's type makes another class");
    return control;
}
