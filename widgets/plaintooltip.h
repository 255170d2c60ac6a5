// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A tooltip that shows a text from outside the program (a path, a file's
// contents, the system's words) exactly as it is. A tooltip guesses whether
// its text is markup, and a folder named "<img src=...>" would otherwise show
// a picture read from wherever it says.
QString plainToolTip(const QString& text);
