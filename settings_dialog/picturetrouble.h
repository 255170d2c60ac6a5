// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

// What can be wrong with a picture file the user chose, beyond what any file
// meets, in the words the settings dialog shows.
namespace PictureTrouble {

FileTrouble notAPicture();
// The file ends before the picture does.
FileTrouble incomplete();
// Too many pixels to show; `detail` says how many.
FileTrouble tooLarge(const QString& detail = {});
// The decoder's own words say what is wrong.
FileTrouble badData(const QString& decodersText);

} // namespace PictureTrouble
