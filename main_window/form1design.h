// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controldesign.h"

#include <QList>

// The definition of the main window: its own values and one row per control.
// controls() lists the rows front to back, which is also the order of the
// window's control collection.
namespace Form1Design {

inline constexpr float kInnerWidth = 12885; // twips, 859 px
inline constexpr float kInnerHeight = 7995; // twips, 533 px

QString caption();
QString windowFont();
qreal windowFontSize();
QColor buttonFace();

extern const ControlDesign Comgjsz, TextTIAN, TextS, TextF, TextH, TextD, Timer1, TextM, Comexit,
    Labtime2, Labnowtime, Label5, Labtime1, Labnow, Labname, Image1;

const QList<const ControlDesign*>& controls();

} // namespace Form1Design
