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
    std::condition_variable asked;
    std::condition_variable answered;
    bool started = false; // the worker runs
    bool wanted = false; // a read is asked for and not yet begun
    bool busy = false; // a read is asked for or under way
    bool stop = false;
    std::optional<LoadResult> result;
};

SettingsReader::SettingsReader(ReadFunction read, std::chrono::milliseconds patience)
    : m_read(std::move(read))
    , m_patience(patience)
    , m_state(std::make_shared<State>())
{
}

// The worker may hang in a read for good: it is let go, not joined, and ends
// when it next looks. It keeps the state and its own copy of the read
// function alive.
SettingsReader::~SettingsReader()
{
    const std::lock_guard lock(m_state->mutex);
    m_state->stop = true;
    m_state->asked.notify_all();
}

std::optional<LoadResult> SettingsReader::read()
{
    std::unique_lock lock(m_state->mutex);
    if (m_state->busy)
        return std::nullopt; // the earlier read still hangs: no waiting again
    if (!m_state->started) {
        try {
            // One long-lived worker: a thread made for every read would cost
            // the tick more than the read itself.
            std::thread([state = m_state, read = m_read] {
                std::unique_lock lock(state->mutex);
                for (;;) {
                    state->asked.wait(lock, [&] { return state->wanted || state->stop; });
                    if (state->stop)
                        return;
                    state->wanted = false;
                    lock.unlock();
                    LoadResult result = read();
                    lock.lock();
                    state->result = std::move(result);
                    state->busy = false;
                    state->answered.notify_all();
                }
            }).detach();
            m_state->started = true;
        } catch (const std::system_error&) {
            // No thread to be had: read here rather than not at all.
            lock.unlock();
            return m_read();
        }
    }
    // A read that answered after its caller stopped waiting: the newest
    // result there is while the file system stays slow.
    std::optional<LoadResult> late = std::exchange(m_state->result, std::nullopt);
    m_state->wanted = m_state->busy = true;
    m_state->asked.notify_one();
    if (!m_state->answered.wait_for(lock, m_patience, [this] { return !m_state->busy; }))
        return late;
    return std::exchange(m_state->result, std::nullopt);
}
