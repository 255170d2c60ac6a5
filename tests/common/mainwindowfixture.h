// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeclock.h"
#include "form1.h"
#include "settingsstore.h"

#include <QTemporaryDir>

// The main window as the program makes it, on a settings folder of its own
// and a fake clock. The window is built, not yet shown.
struct MainWindowFixture {
    QTemporaryDir root;
    FakeClock time;
    SettingsStore store { root.filePath(QStringLiteral("VEKTemp")), time.clock() };
    Form1 form { store };
};
