// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingslock.h"

#include "usermessage.h"

using namespace Qt::StringLiterals;

namespace SettingsLock {

QString reason() { return u"设置已由学校管理员锁定"_s; }

void tell(QWidget* parent) { UserMessage::tell(parent, UserMessage::Kind::Information, reason()); }

} // namespace SettingsLock
