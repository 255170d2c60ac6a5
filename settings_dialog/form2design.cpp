// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2design.h"

#include "fontsubstitutes.h"

using namespace Qt::StringLiterals;

namespace Form2Design {

namespace {
    using T = ControlDesign::Type;
    const QColor kRed(255, 0, 0);
    constexpr Qt::Alignment kCentre = Qt::AlignHCenter;
    constexpr Qt::Alignment kLeft = Qt::AlignLeft;
    const QString& kSong = LayoutFonts::kSongti;
}

QString caption() { return u"自定义设置"_s; }
QString fileFilter() { return u"所有图片文件  (*.jpg *.bmp *.gif)"_s; }

// clang-format off
//                             name             type              left  top   width  height text              font   size   colour align    visible enabled picture
const ControlDesign Comok    { u"Comok"_s,      T::PictureButton, 4680, 6600, 1335,  615,   u"确 定"_s,      kSong, 14.25, {},    kCentre, true,   true,   u":/assets/ok.png"_s };
const ControlDesign Framegjsz{ u"Framegjsz"_s,  T::Frame,         0,    4080, 10935, 2415,  u"自定义设置"_s, kSong, 14.25, kRed,  kLeft,   true,   true,   {} };
// clang-format on

// clang-format off
//                             name             type        left   top   width height text                      font    size   colour align    visible enabled picture
const ControlDesign Comimg   { u"Comimg"_s,     T::Button,  8040,  360,  2535, 495,   u"自定义图片"_s,          kSong,  12,    {},    kCentre, true,   true,  {} };
const ControlDesign Textr2   { u"Textr2"_s,     T::TextBox, 9960,  1800, 615,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   false, {} };
const ControlDesign Texty2   { u"Texty2"_s,     T::TextBox, 9120,  1800, 615,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   false, {} };
const ControlDesign Textn2   { u"Textn2"_s,     T::TextBox, 7920,  1800, 855,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   false, {} };
const ControlDesign Textr1   { u"Textr1"_s,     T::TextBox, 9960,  1080, 585,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Texty1   { u"Texty1"_s,     T::TextBox, 9120,  1080, 615,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Textn1   { u"Textn1"_s,     T::TextBox, 7920,  1080, 855,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Textnr2  { u"Textnr2"_s,    T::TextBox, 2640,  1800, 3135, 495,   {},                       kSong,  14.25, kRed,  kCentre, true,   false, {} };
const ControlDesign Textnr1  { u"Textnr1"_s,    T::TextBox, 2640,  1080, 3135, 495,   {},                       kSong,  14.25, kRed,  kCentre, true,   true,  {} };
const ControlDesign Textbt   { u"Textbt"_s,     T::TextBox, 2640,  360,  5295, 495,   {},                       kSong,  14.25, kRed,  kCentre, true,   true,  {} };
const ControlDesign Label12  { u"Label12"_s,    T::Label,   10560, 1920, 255,  255,   u"日"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Label11  { u"Label11"_s,    T::Label,   9720,  1920, 255,  255,   u"月"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Label10  { u"Label10"_s,    T::Label,   8760,  1920, 255,  255,   u"年"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Label9   { u"Label9"_s,     T::Label,   10560, 1200, 255,  375,   u"日"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Label8   { u"Label8"_s,     T::Label,   9720,  1200, 255,  375,   u"月"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Label7   { u"Label7"_s,     T::Label,   8760,  1200, 255,  375,   u"年"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} };
const ControlDesign Label6   { u"Label6"_s,     T::Label,   5880,  1920, 1935, 375,   u"曜刻2截止时间："_s,     kSong,  12,    {},    kLeft,   true,   true,  {} };
const ControlDesign Label5   { u"Label5"_s,     T::Label,   5880,  1200, 2175, 375,   u"曜刻1截止时间："_s,     kSong,  12,    {},    kLeft,   true,   true,  {} };
const ControlDesign Label4   { u"Label4"_s,     T::Label,   120,   1920, 2895, 375,   u"输入曜刻2内容—>"_s,     kSong,  12,    {},    kLeft,   true,   true,  {} };
const ControlDesign Label2   { u"Label2"_s,     T::Label,   120,   1200, 3015, 495,   u"输入曜刻1内容—>"_s,     kSong,  12,    {},    kLeft,   true,   true,  {} };
const ControlDesign Label1   { u"Label1"_s,     T::Label,   120,   480,  3375, 495,   u"输入软件上方标题—>"_s,  kSong,  12,    {},    kLeft,   true,   true,  {} };
// clang-format on

} // namespace Form2Design
