// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runninguser.h"

#include <windows.h>

namespace RunningUser {

namespace {
    bool isInAdministrators()
    {
        SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
        PSID administrators = nullptr;
        if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
            return false;
        BOOL member = FALSE;
        const BOOL checked = CheckTokenMembership(nullptr, administrators, &member);
        FreeSid(administrators);
        return checked && member;
    }

    bool isElevated()
    {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return false;
        TOKEN_ELEVATION elevation {};
        DWORD size = 0;
        const BOOL read
            = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
        CloseHandle(token);
        return read && elevation.TokenIsElevated;
    }
}

// Under UAC an administrator's programs run with the group for denying only,
// which CheckTokenMembership does not count, until one is started elevated; a
// member whose token is not elevated has no administrator's rights either.
bool isAdministrator() { return isInAdministrators() && isElevated(); }

} // namespace RunningUser
