// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controldesign.h"

// The definition of the settings dialog: its own values and one row per
// control, front to back: first those placed on the window, then those inside
// the frame Framegjsz (in the frame's own coordinates).
namespace Form2Design {

inline constexpr float kInnerWidth = 11010; // twips, 734 px
inline constexpr float kInnerHeight = 7245; // twips, 483 px

QString caption();
extern const ControlDesign Comok, Framegjsz;
extern const ControlDesign Comimg, Textr2, Texty2, Textn2, Textr1, Texty1, Textn1, Textnr2, Textnr1,
    Textbt, Label12, Label11, Label10, Label9, Label8, Label7, Label6, Label5, Label4, Label2,
    Label1;

// CommonDialog1 takes no place on the window, so it has no row: its one
// filter entry, "所有图片文件 " with the patterns *.jpg, *.bmp and *.gif, in
// Qt's filter syntax.
QString fileFilter();

} // namespace Form2Design
