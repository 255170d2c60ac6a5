// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Where "now" comes from. The program reads the system clock; tests hand in a
// fake one so no test ever waits for real seconds.
using Clock = std::function<double()>;

// The current local date and time as a date value, in whole seconds.
double systemNow();
