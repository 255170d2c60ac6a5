// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <optional>

class QObject;
class QWidget;

// A member of a window's control collection, seen the way the proportional
// layout sees it: Left, Top, Width and Height in twips, and Move. The twips
// are kept here as set, and only turned into pixels when the widget moves, so
// no pixel rounding accumulates. A control without a size (a timer) answers
// Width and Height with nothing and cannot Move. Once its object is gone, a
// control answers nothing at all.
class TwipsControl {
public:
    // A control with a widget and a size, the widget standing where the
    // twips say: it moves at the first Move.
    TwipsControl(QWidget* widget, float left, float top, float width, float height);
    // A control placed on the window but without a size or a widget.
    TwipsControl(QObject* object, float left, float top);

    QObject* object() const { return m_object; }

    std::optional<float> Left() const;
    std::optional<float> Top() const;
    std::optional<float> Width() const;
    std::optional<float> Height() const;

    // Sets all four at once; false when the control cannot move or a value is
    // not a finite number of twips a widget can take.
    bool Move(float left, float top, float width, float height);

private:
    QPointer<QObject> m_object;
    float m_left = 0, m_top = 0;
    std::optional<float> m_width, m_height;
};
