// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

// What can be wrong with the settings file data.txt itself, beyond what any
// file meets (no permission, a full disk), in the words its user reads.
namespace SettingsTrouble {

// Title and heading over `byteBudget` GB18030 bytes together.
FileTrouble textTooLong(qint64 byteBudget);
// Fewer than four lines in the first `readBytes` of the file.
FileTrouble tooFewLines(qint64 readBytes);
// The second line is no date.
FileTrouble badTargetLine();
// Bytes of the title or heading that are no text: not a failure, the file
// read and shows what it could.
FileTrouble unreadableTexts();
// Qt has no converter for the file's encoding.
FileTrouble noConverter();

} // namespace SettingsTrouble
