// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingslock.h"

#include "programinfo.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace SettingsLock {

QString reason() { return u"设置已由学校管理员锁定"_s; }

void tell(QWidget* parent)
{
    QMessageBox box(
        QMessageBox::Information, ProgramInfo::caption, reason(), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace SettingsLock
