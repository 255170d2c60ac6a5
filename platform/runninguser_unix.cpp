// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runninguser.h"

#include <unistd.h>

namespace RunningUser {

// The effective id: a program started with sudo runs as root.
bool isAdministrator() { return ::geteuid() == 0; }

} // namespace RunningUser
