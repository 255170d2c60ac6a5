// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

Autostart::Autostart(QString appId, QStringList command, Scope scope)
    : m_appId(std::move(appId))
    , m_command(std::move(command))
    , m_scope(scope)
{
}
