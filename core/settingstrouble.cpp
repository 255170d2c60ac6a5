// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingstrouble.h"

using namespace Qt::StringLiterals;
using Kind = FileTrouble::Kind;

FileTrouble SettingsTrouble::textTooLong(qint64 byteBudget)
{
    return FileTrouble::described(Kind::TextTooLong,
        u"软件上方标题和曜刻1内容太长，保存后程序将无法读回。两项合计最多 %1 个汉字或 %2 个英文字母，请删减后再保存"_s
            .arg(byteBudget / 2)
            .arg(byteBudget));
}

FileTrouble SettingsTrouble::tooFewLines(qint64 readBytes)
{
    return FileTrouble::described(
        Kind::TooFewLines, u"前 %1 KiB 内不足四行"_s.arg(readBytes / 1024));
}

FileTrouble SettingsTrouble::badTargetLine()
{
    return FileTrouble::described(Kind::BadTargetLine, u"第 2 行不是有效的日期"_s);
}

FileTrouble SettingsTrouble::unreadableTexts()
{
    return FileTrouble::described(Kind::UnreadableTexts,
        u"第 3、4 行（标题和曜刻内容）中有无法识别的字符，已显示为“\uFFFD”"_s,
        u"设置文件“%1”的%2。"_s);
}

FileTrouble SettingsTrouble::noConverter()
{
    return FileTrouble::described(
        Kind::NoConverter, u"本程序所用的 Qt 缺少 GB18030 编码转换，无法按设置文件的格式写入"_s);
}
