#pragma once

#include "controldesign.h"

#include <QList>

// The definition of the main window: its own values and its controls in
// front-to-back order, which is also the order of its control collection.
namespace Form1Design {

inline constexpr float kInnerWidth = 12885; // twips, 859 px
inline constexpr float kInnerHeight = 7995; // twips, 533 px
inline constexpr int kTimerInterval = 1000; // ms

QString caption();
QString windowFont();
qreal windowFontSize();
QColor buttonFace();
const QList<ControlDesign>& controls();

} // namespace Form1Design
