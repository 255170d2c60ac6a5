// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Who the program runs as, where it matters to what the program lets them do:
// the computer's administrator is root (effective user id 0) on Linux, and on
// Windows a member of Administrators whose rights are in force (the program
// started with 以管理员身份运行, or UAC off). The school's lock holds every
// other user, and not the one who set the computer up and changes next year's
// date (see Preferences).
namespace RunningUser {

bool isAdministrator();

} // namespace RunningUser
