#pragma once

#include "controldesign.h"

#include <QList>

// The definition of the settings dialog: its own values, the controls placed
// on the window and the controls inside the frame Framegjsz (in the frame's
// own coordinates), each list in front-to-back order.
namespace Form2Design {

inline constexpr float kInnerWidth = 11010; // twips, 734 px
inline constexpr float kInnerHeight = 7245; // twips, 483 px

QString caption();
const QList<ControlDesign>& windowControls();
const QList<ControlDesign>& frameControls();

// CommonDialog1 takes no place on the window, so it has no row: its one
// filter entry, "所有图片文件 " with the patterns *.jpg, *.bmp and *.gif, in
// Qt's filter syntax.
QString fileFilter();

} // namespace Form2Design
