// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsreader.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

struct SettingsReader::State {
    std::mutex mutex;
    std::condition_variable answered;
    bool busy = false;
    std::optional<LoadResult> result;
};

SettingsReader::SettingsReader(ReadFunction read, std::chrono::milliseconds patience)
    : m_read(std::move(read))
    , m_patience(patience)
    , m_state(std::make_shared<State>())
{
}

std::optional<LoadResult> SettingsReader::read()
{
    std::unique_lock lock(m_state->mutex);
    if (m_state->busy)
        return std::nullopt; // the earlier read still hangs: no waiting again
    // A read that answered after its caller stopped waiting: the newest
    // result there is while the file system stays slow.
    std::optional<LoadResult> late = std::exchange(m_state->result, std::nullopt);
    m_state->busy = true;
    try {
        // Detached: a read that never returns must not hold up the program's
        // exit either. The worker keeps the state and its own copy of the
        // read function alive.
        std::thread([state = m_state, read = m_read] {
            LoadResult result = read();
            const std::lock_guard done(state->mutex);
            state->result = std::move(result);
            state->busy = false;
            state->answered.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: read here rather than not at all.
        m_state->busy = false;
        lock.unlock();
        return m_read();
    }
    if (!m_state->answered.wait_for(lock, m_patience, [this] { return !m_state->busy; }))
        return late;
    return std::exchange(m_state->result, std::nullopt);
}
