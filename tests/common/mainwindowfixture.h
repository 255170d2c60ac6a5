// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"
#include "settingsstorefixture.h"

// The main window as the program makes it, on a settings folder of its own
// (not made yet) and a fake clock. The window is built, not yet shown.
struct MainWindowFixture : SettingsStoreFixture {
    MainWindowFixture()
        : SettingsStoreFixture(QStringLiteral("VEKTemp"))
    {
    }
    Form1 form { store };
};
