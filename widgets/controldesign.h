// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>

// One row of a window definition: a control's design values as the layout
// gives them, geometry in twips (see twips.h). Windows are built from tables
// of these rows by buildControl(), so each table reads like the layout it
// comes from.
struct ControlDesign {
    enum class Type { Label, TextBox, PictureButton, Button, Picture, Timer, Frame };

    QString name {};
    Type type = Type::Label;
    float left = 0, top = 0, width = 0, height = 0;
    QString text {};
    QString font {}; // family name; empty: the window's font
    qreal pointSize = 0;
    QColor color {}; // text colour; invalid: the platform's
    Qt::Alignment alignment = Qt::AlignLeft;
    bool visible = true;
    bool enabled = true;
    QString picture {}; // resource path: a button's 16 × 16 picture, a picture box's picture
};

// A font of the window layouts: the family as named, the size in points, bold.
inline QFont designFont(const QString& family, qreal pointSize)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}
