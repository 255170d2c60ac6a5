// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsreader.h"

#include "workpool.h"

#include <condition_variable>
#include <mutex>
#include <utility>

struct SettingsReader::State {
    // One function for every read: it may keep state from one to the next.
    ReadFunction read;
    std::mutex mutex;
    std::condition_variable answered;
    bool busy = false; // a read is under way
    std::optional<LoadResult> result;
};

SettingsReader::SettingsReader(ReadFunction read, std::chrono::milliseconds patience)
    : m_patience(patience)
    , m_state(std::make_shared<State>())
{
    m_state->read = std::move(read);
}

// A read that hangs keeps the state, with the read function, alive; it is not
// waited for.
SettingsReader::~SettingsReader() = default;

std::optional<LoadResult> SettingsReader::read()
{
    std::unique_lock lock(m_state->mutex);
    if (m_state->busy)
        return std::nullopt; // the earlier read still hangs: no waiting again
    // A read that answered after its caller stopped waiting: the newest
    // result there is while the file system stays slow.
    std::optional<LoadResult> late = std::exchange(m_state->result, std::nullopt);
    m_state->busy = true;
    (void)WorkPool::start([state = m_state] {
        LoadResult result = state->read();
        const std::lock_guard lock(state->mutex);
        state->result = std::move(result);
        state->busy = false;
        state->answered.notify_all();
    });
    if (!m_state->answered.wait_for(lock, m_patience, [this] { return !m_state->busy; }))
        return late;
    return std::exchange(m_state->result, std::nullopt);
}
