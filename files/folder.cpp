// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace Folder {

FileTrouble create(const QString& path)
{
    std::error_code error;
    std::filesystem::create_directories(QFileInfo(path).filesystemAbsoluteFilePath(), error);
    if (!error)
        return {};
    return FileTrouble::fromErrno(error.default_error_condition().value())
        .during(FileTrouble::Operation::CreateFolder, path);
}

} // namespace Folder
