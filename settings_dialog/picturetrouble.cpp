// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturetrouble.h"

using namespace Qt::StringLiterals;
using Kind = FileTrouble::Kind;

FileTrouble PictureTrouble::notAPicture()
{
    return FileTrouble::described(Kind::NotAPicture, u"这不是图片，或是不支持的图片格式"_s);
}

FileTrouble PictureTrouble::incomplete()
{
    return FileTrouble::described(Kind::Incomplete, u"文件不完整，图片只读出了一部分"_s);
}

FileTrouble PictureTrouble::tooLarge(const QString& detail)
{
    return FileTrouble::described(Kind::TooLarge,
        detail.isEmpty() ? u"图片太大，无法显示"_s : u"图片太大，无法显示（%1）"_s.arg(detail));
}

FileTrouble PictureTrouble::badData(const QString& decodersText)
{
    QString text = decodersText.trimmed();
    while (text.endsWith(u'。') || text.endsWith(u'.'))
        text.chop(1);
    return FileTrouble::described(Kind::BadPictureData, u"图片数据有误（%1）"_s.arg(text));
}
