// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Runs `work` on a worker thread, with a busy cursor, and returns when it is
// done; meanwhile this thread goes on with its timers and painting (user
// input waits), so a file that is huge, or a disk or network folder that is
// slow to answer, does not stop the main window's clock. `work` must not
// touch widgets; what it reads and writes outlives it, since this waits.
void runWhileTicking(const std::function<void()>& work);
