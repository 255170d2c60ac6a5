#include "form2design.h"

using namespace Qt::StringLiterals;

namespace Form2Design {

namespace {
    using T = ControlDesign::Type;
    const QColor kRed(255, 0, 0);
    constexpr Qt::Alignment kCentre = Qt::AlignHCenter;
    constexpr Qt::Alignment kLeft = Qt::AlignLeft;
    const QString kSong = u"宋体"_s;
}

QString caption() { return u"自定义设置"_s; }
QString fileFilter() { return u"所有图片文件  (*.jpg *.bmp *.gif)"_s; }

const QList<ControlDesign>& windowControls()
{
    // clang-format off
    static const QList<ControlDesign> table {
        // name          type              left  top   width  height text              font   size   colour align    visible enabled picture
        { u"Comok"_s,     T::PictureButton, 4680, 6600, 1335,  615,   u"确 定"_s,      kSong, 14.25, {},    kCentre, true,   true,   u":/assets/ok.png"_s },
        { u"Framegjsz"_s, T::Frame,         0,    4080, 10935, 2415,  u"自定义设置"_s, kSong, 14.25, kRed,  kLeft,   true,   true,   {} },
    };
    // clang-format on
    return table;
}

const QList<ControlDesign>& frameControls()
{
    // clang-format off
    static const QList<ControlDesign> table {
        // name        type        left   top   width height text                      font    size   colour align    visible enabled picture
        { u"Comimg"_s,  T::Button,  8040,  360,  2535, 495,   u"自定义图片"_s,          kSong,  12,    {},    kCentre, true,   true,  {} },
        { u"Textr2"_s,  T::TextBox, 9960,  1800, 615,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   false, {} },
        { u"Texty2"_s,  T::TextBox, 9120,  1800, 615,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   false, {} },
        { u"Textn2"_s,  T::TextBox, 7920,  1800, 855,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   false, {} },
        { u"Textr1"_s,  T::TextBox, 9960,  1080, 585,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Texty1"_s,  T::TextBox, 9120,  1080, 615,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Textn1"_s,  T::TextBox, 7920,  1080, 855,  495,   {},                       kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Textnr2"_s, T::TextBox, 2640,  1800, 3135, 495,   {},                       kSong,  14.25, kRed,  kCentre, true,   false, {} },
        { u"Textnr1"_s, T::TextBox, 2640,  1080, 3135, 495,   {},                       kSong,  14.25, kRed,  kCentre, true,   true,  {} },
        { u"Textbt"_s,  T::TextBox, 2640,  360,  5295, 495,   {},                       kSong,  14.25, kRed,  kCentre, true,   true,  {} },
        { u"Label12"_s, T::Label,   10560, 1920, 255,  255,   u"日"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Label11"_s, T::Label,   9720,  1920, 255,  255,   u"月"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Label10"_s, T::Label,   8760,  1920, 255,  255,   u"年"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Label9"_s,  T::Label,   10560, 1200, 255,  375,   u"日"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Label8"_s,  T::Label,   9720,  1200, 255,  375,   u"月"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Label7"_s,  T::Label,   8760,  1200, 255,  375,   u"年"_s,                  kSong,  12,    kRed,  kCentre, true,   true,  {} },
        { u"Label6"_s,  T::Label,   5880,  1920, 1935, 375,   u"曜刻2截止时间："_s,     kSong,  12,    {},    kLeft,   true,   true,  {} },
        { u"Label5"_s,  T::Label,   5880,  1200, 2175, 375,   u"曜刻1截止时间："_s,     kSong,  12,    {},    kLeft,   true,   true,  {} },
        { u"Label4"_s,  T::Label,   120,   1920, 2895, 375,   u"输入曜刻2内容—>"_s,     kSong,  12,    {},    kLeft,   true,   true,  {} },
        { u"Label2"_s,  T::Label,   120,   1200, 3015, 495,   u"输入曜刻1内容—>"_s,     kSong,  12,    {},    kLeft,   true,   true,  {} },
        { u"Label1"_s,  T::Label,   120,   480,  3375, 495,   u"输入软件上方标题—>"_s,  kSong,  12,    {},    kLeft,   true,   true,  {} },
    };
    // clang-format on
    return table;
}

} // namespace Form2Design
