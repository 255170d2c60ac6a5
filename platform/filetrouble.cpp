// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetrouble.h"

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
}

FileTrouble::FileTrouble(Kind kind, QString systemText)
    : m_kind(kind)
    , m_systemText(std::move(systemText))
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

QString FileTrouble::text() const
{
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
    case Kind::NotAPicture:
        return u"这不是图片，或是不支持的图片格式"_s;
    case Kind::Incomplete:
        return u"文件不完整，图片只读出了一部分"_s;
    case Kind::TooLarge:
        return u"图片太大，无法显示"_s;
    case Kind::Other:
        break;
    }
    return m_systemText.isEmpty() ? u"未知错误"_s : u"系统提示：%1"_s.arg(m_systemText);
}
