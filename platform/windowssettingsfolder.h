// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Where data.txt lives on Windows. The folder is C:\Program Files\VEKTemp,
// where an ordinary user may not write. Older copies of the program ran
// without a manifest, so Windows quietly sent their writes there to the
// user's VirtualStore (%LOCALAPPDATA%\VirtualStore\Program Files\VEKTemp),
// and that is where an existing user's title and date are. This program asks
// for no such redirection, so it chooses itself:
//   - the Program Files folder, where it can write there;
//   - also where an administrator put a data.txt there for everyone and the
//     user has no copy of their own in the VirtualStore;
//   - otherwise the VirtualStore folder, whose copy is the user's own.
// The rights and files come from outside, so that the choice can be tested
// on any system.
namespace WindowsSettingsFolder {

struct Probe {
    // Whether the program can create or replace data.txt in a folder, which
    // may not exist yet.
    std::function<bool(const QString& folder)> canWrite;
    // Whether the folder holds a data.txt.
    std::function<bool(const QString& folder)> hasFile;
};

QString choose(const QString& programFiles, const QString& virtualStore, const Probe& probe);

// The choice on this computer: the two folders above, probed for real.
QString onThisComputer();

} // namespace WindowsSettingsFolder
