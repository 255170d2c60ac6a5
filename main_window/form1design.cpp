// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1design.h"

#include "fontsubstitutes.h"

using namespace Qt::StringLiterals;

namespace Form1Design {

namespace {
    using namespace LayoutFonts;
    using T = ControlDesign::Type;
    const QColor kRed(255, 0, 0);
    const QColor kYellow(255, 255, 0);
    constexpr Qt::Alignment kCentre = Qt::AlignHCenter;
    constexpr Qt::Alignment kLeft = Qt::AlignLeft;
}

QString caption() { return u"曜刻软件1.0 版"_s; }
QString windowFont() { return LayoutFonts::kLishu; }
qreal windowFontSize() { return 24; }

// The face of the two buttons: the classic colour of an inactive title bar's
// text, which keeps the black captions readable.
QColor buttonFace() { return QColor(212, 208, 200); }

// clang-format off
//                              name              type              left    top     width   height  text                          font              size    colour   align    visible enabled picture
const ControlDesign Comgjsz   { u"Comgjsz"_s,     T::PictureButton, 9480,   6840,   1815,   615,    u"自定义设置"_s,              kKaitiGb2312,     15,     {},      kCentre, true,   true,   u":/assets/settings.png"_s };
const ControlDesign TextTIAN  { u"TextTIAN"_s,    T::TextBox,       3960,   4560,   1695,   615,    {},                           kHeiti,           26.25,  kRed,    kCentre, true,   true,   {} };
const ControlDesign TextS     { u"TextS"_s,       T::TextBox,       11160,  3840,   1695,   650,    {},                           kHeiti,           26.25,  kRed,    kCentre, true,   true,   {} };
const ControlDesign TextF     { u"TextF"_s,       T::TextBox,       9360,   3840,   1815,   650,    {},                           kHeiti,           26.25,  kRed,    kCentre, true,   true,   {} };
const ControlDesign TextH     { u"TextH"_s,       T::TextBox,       7440,   3840,   1935,   650,    {},                           kHeiti,           26.25,  kRed,    kCentre, true,   true,   {} };
const ControlDesign TextD     { u"TextD"_s,       T::TextBox,       5640,   3840,   1815,   650,    {},                           kHeiti,           26.25,  kRed,    kCentre, true,   true,   {} };
// A timer has a place on the form but no size.
const ControlDesign Timer1    { u"Timer1"_s,      T::Timer,         0,      0,      0,      0,      {},                           {},               0,      {},      kLeft,   false,  true,   {} };
const ControlDesign TextM     { u"TextM"_s,       T::TextBox,       3960,   3840,   1695,   650,    {},                           kHeiti,           26.25,  kRed,    kCentre, true,   true,   {} };
const ControlDesign Comexit   { u"Comexit"_s,     T::PictureButton, 11280,  6840,   1575,   615,    u"退 出"_s,                   kKaitiGb2312,     15.75,  {},      kCentre, true,   true,   u":/assets/exit.png"_s };
const ControlDesign Labtime2  { u"Labtime2"_s,    T::Label,         720,    5280,   3495,   1335,   u"自定义曜刻："_s,            {},               0,      kRed,    kLeft,   false,  true,   {} };
const ControlDesign Labnowtime{ u"Labnowtime"_s,  T::Label,         3960,   3120,   8895,   615,    {},                           kHeiti,           26.25,  kRed,    kLeft,   true,   true,   {} };
const ControlDesign Label5    { u"Label5"_s,      T::Label,         8880,   7560,   4335,   375,    u"gkcd@example.org 制作"_s,   kXinwei,          14.25,  kYellow, kCentre, true,   true,   {} };
const ControlDesign Labtime1  { u"Labtime1"_s,    T::Label,         720,    3840,   3255,   1335,   u"距2013年高考 还 有 ："_s,   kLishu,           26.25,  kRed,    kLeft,   true,   true,   {} };
const ControlDesign Labnow    { u"Labnow"_s,      T::Label,         600,    3120,   3615,   495,    u"现在时间是："_s,            kLishu,           26.25,  kRed,    kCentre, true,   true,   {} };
const ControlDesign Labname   { u"Labname"_s,     T::Label,         360,    600,    12135,  1095,   u"沐芷中学高考曜刻软件"_s,    kLishu,           42,     kRed,    kCentre, true,   true,   {} };
const ControlDesign Image1    { u"Image1"_s,      T::Picture,       0,      -3691,  19305,  12090,  {},                           {},               0,      {},      kLeft,   true,   true,   u":/assets/background.jpg"_s };
// clang-format on

const QList<const ControlDesign*>& controls()
{
    static const QList<const ControlDesign*> frontToBack { &Comgjsz, &TextTIAN, &TextS, &TextF,
        &TextH, &TextD, &Timer1, &TextM, &Comexit, &Labtime2, &Labnowtime, &Label5, &Labtime1,
        &Labnow, &Labname, &Image1 };
    return frontToBack;
}

} // namespace Form1Design
