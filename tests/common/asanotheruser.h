// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// While it lives, a test that runs as root acts as the user nobody, whom
// permission bits stop as they stop any user (root they never stop). Other
// users, and Windows, stay who they are.
class AsAnotherUser {
public:
    AsAnotherUser()
    {
#ifdef Q_OS_UNIX
        // The real user too: access(), and so whether a file counts as
        // writable, asks the real one. The saved one stays root, to come back.
        m_switched = geteuid() == 0 && setresuid(65534, 65534, 0) == 0;
#endif
    }
    ~AsAnotherUser()
    {
#ifdef Q_OS_UNIX
        if (m_switched)
            (void)setresuid(0, 0, 0);
#endif
    }
    AsAnotherUser(const AsAnotherUser&) = delete;
    AsAnotherUser& operator=(const AsAnotherUser&) = delete;

private:
    bool m_switched = false;
};
