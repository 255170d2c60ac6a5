// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsrecord.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// Reads the settings file on the WorkPool, so that a file system that does
// not answer (a stalled network folder, a disk spinning up) cannot stop the
// caller's clock. Opening non-blocking keeps pipes and devices from waiting
// (see RegularFile), but no flag helps when the file system itself hangs in
// open() or read(); only another thread does. read() waits a short while for
// the answer, which a healthy disk gives in microseconds, so that a tick
// shows the file as it is at that tick; otherwise the read goes on in the
// background and read() returns at once, with what an earlier read that
// answered late found, or empty. No second read starts until the first has
// returned, however many calls come meanwhile. This is the one wait for the
// pool's work on the window's thread, and it never outlasts the patience.
class SettingsReader {
public:
    using ReadFunction = std::function<LoadResult()>;
    explicit SettingsReader(
        ReadFunction read, std::chrono::milliseconds patience = std::chrono::milliseconds(400));
    ~SettingsReader();
    SettingsReader(const SettingsReader&) = delete;
    SettingsReader& operator=(const SettingsReader&) = delete;

    // A fresh result; else a late one, or empty while a read has not answered.
    std::optional<LoadResult> read();

private:
    struct State;
    std::chrono::milliseconds m_patience;
    // Shared with the read, which may outlive this object while it hangs.
    std::shared_ptr<State> m_state;
};
