// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetrouble.h"

#include <QDir>

#include <cerrno>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
using Kind = FileTrouble::Kind;

const std::pair<int, Kind> kErrnoKinds[] = {
    { ENOENT, Kind::Missing }, { ENOTDIR, Kind::NotAFolder }, { EACCES, Kind::NoPermission },
    { EPERM, Kind::NoPermission }, { ENOSPC, Kind::DiskFull },
#ifdef EDQUOT
    { EDQUOT, Kind::DiskFull },
#endif
    { EROFS, Kind::ReadOnlyDisk }, { EFBIG, Kind::FileSizeLimit }, { EISDIR, Kind::NotAFile },
    { ENXIO, Kind::NotAFile }, // a socket
};

// Windows ends its texts with a full stop (and a line end); the messages
// that quote them put their own.
QString withoutClosingStop(QString text)
{
    text = text.trimmed();
    while (text.endsWith(u'。') || text.endsWith(u'.'))
        text.chop(1);
    return text;
}
}

FileTrouble::FileTrouble(Kind kind, QString systemText)
    : m_kind(kind)
    , m_systemText(withoutClosingStop(std::move(systemText)))
{
}

FileTrouble FileTrouble::fromErrno(int error)
{
    for (const auto& [number, kind] : kErrnoKinds)
        if (number == error)
            return FileTrouble(kind, qt_error_string(error));
    return FileTrouble(Kind::Other, qt_error_string(error));
}

FileTrouble FileTrouble::fromSystemText(const QString& systemText)
{
    for (const auto& [number, kind] : kErrnoKinds)
        if (systemText.contains(qt_error_string(number), Qt::CaseInsensitive))
            return FileTrouble(kind, systemText);
    return FileTrouble(Kind::Other, systemText);
}

FileTrouble FileTrouble::described(Kind kind, QString reason, QString sentence)
{
    FileTrouble trouble(kind);
    trouble.m_reason = std::move(reason);
    trouble.m_sentence = std::move(sentence);
    return trouble;
}

FileTrouble FileTrouble::during(Operation operation, const QString& path) const
{
    FileTrouble trouble = *this;
    if (!isNone() && m_operation == Operation::Unnamed) {
        trouble.m_operation = operation;
        trouble.m_path = path;
    }
    return trouble;
}

FileTrouble FileTrouble::as(Operation operation, const QString& path) const
{
    FileTrouble trouble = *this;
    trouble.m_operation = Operation::Unnamed;
    return trouble.during(operation, path);
}

QString FileTrouble::text() const
{
    if (!m_reason.isEmpty())
        return m_reason;
    switch (m_kind) {
    case Kind::None:
        return {};
    case Kind::Missing:
        return u"文件不存在"_s;
    case Kind::NotAFolder:
        return u"路径中有一项是文件而不是文件夹"_s;
    case Kind::NoPermission:
        return u"没有访问权限"_s;
    case Kind::DiskFull:
        return u"磁盘已满"_s;
    case Kind::ReadOnlyDisk:
        return u"磁盘是只读的"_s;
    case Kind::FileSizeLimit:
        return u"文件超出了系统允许的大小"_s;
    case Kind::NotAFile:
        return u"这不是普通文件（是文件夹、管道或设备）"_s;
    case Kind::NoAnswer:
        return u"文件所在的磁盘没有响应"_s;
    case Kind::Locked:
        return u"文件被锁定：可能有另一个程序正在写入，或旁边的 .lock 锁文件无法删除"_s;
    case Kind::ControlCharacters:
        return u"程序的路径或参数（设置文件夹、屏幕名）中有控制字符，登录项无法记录"_s;
    case Kind::PercentInProgramPath:
        return u"程序所在的路径中有“%”，登录时许多桌面无法从这里启动它"_s;
    case Kind::ProgramMissing:
        return u"程序文件“%1”已不存在（可能已被卸载或移走），登录时无法启动它"_s.arg(
            QDir::toNativeSeparators(m_systemText));
    case Kind::LockedBySchool:
        return u"设置已由学校管理员锁定"_s;
    case Kind::TooLongToRead:
        return u"文件超过 %1，本程序只读了前面的部分"_s.arg(m_systemText) + leftAsItIs();
    case Kind::NotAllText:
        return u"文件中有本程序无法识别为文字的字节（既不是 UTF-8、UTF-16，也不是 GBK/GB18030）"_s
            + leftAsItIs();
    case Kind::NothingKnown:
        return u"其中没有本程序认得的节或键"_s;
    case Kind::NotAPicture:
    case Kind::Incomplete:
    case Kind::TooLarge:
    case Kind::BadPictureData:
    case Kind::TextTooLong:
    case Kind::TooFewLines:
    case Kind::BadTargetLine:
    case Kind::UnreadableTexts:
    case Kind::NoConverter:
        // Worded where they are met (described()).
        break;
    case Kind::Other:
        break;
    }
    return m_systemText.isEmpty() ? u"未知错误"_s : u"系统提示：%1"_s.arg(m_systemText);
}

QString FileTrouble::leftAsItIs() const
{
    // Writing back what was read would lose the rest of the file, or put
    // U+FFFD where the user's characters were.
    return m_operation == Operation::Write ? u"；为免丢失内容，文件未改动"_s : QString();
}

QString FileTrouble::message() const
{
    if (isNone())
        return {};
    if (!m_sentence.isEmpty())
        return m_sentence.arg(QDir::toNativeSeparators(m_path), text());
    const QString what = [this]() -> QString {
        switch (m_operation) {
        case Operation::Unnamed:
            break;
        case Operation::Read:
            return u"无法读取文件“%1”："_s;
        case Operation::ReadPicture:
            return u"无法读取图片文件“%1”："_s;
        case Operation::Write:
            return u"无法写入文件“%1”："_s;
        case Operation::Remove:
            return u"无法删除文件“%1”："_s;
        case Operation::CreateFolder:
            return u"无法创建文件夹“%1”："_s;
        case Operation::WriteRegistry:
            return u"无法写入注册表项“%1”："_s;
        case Operation::ReadSystemFile:
            return u"全体用户的设置文件“%1”有问题："_s;
        case Operation::ReadSettings:
            return u"无法读取设置文件“%1”："_s;
        case Operation::CreateSettingsFolder:
            return u"无法创建设置文件夹“%1”："_s;
        }
        return {};
    }();
    const QString why = text() + u'。';
    return what.isEmpty() ? why : what.arg(QDir::toNativeSeparators(m_path)) + why;
}
