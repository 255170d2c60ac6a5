// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// Whether the window system the program would start on can be there at all,
// decided from the command line and the environment before Qt tries (and,
// failing, aborts). Platforms that need no display server, such as Qt's
// offscreen platform, always pass. X11 and Wayland are looked for on Linux and
// the other freedesktop systems (displaycheck_unix.cpp); Windows and macOS
// always have a display (displaycheck_always.cpp).
namespace DisplayCheck {

// `arguments` as given to the program, for Qt's -platform option.
bool available(const QStringList& arguments, const QProcessEnvironment& environment);

// The one line the program says when there is none.
QString message();

}
