// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdown.h"
#include "settingsreader.h"
#include "settingsstore.h"

#include <optional>

// Everything one timer tick computes, without touching a window: the time now,
// a fresh read of the settings file, and the countdown toward the target. A
// file that cannot be read does not stop the countdown: it goes on toward the
// last target read successfully, and the trouble is put into words for the
// window and logged once, not every second. The file is read on a worker
// thread (see SettingsReader), so a hanging file system costs a tick at most
// a moment's wait; the first read writes a first start's defaults there too.
class CountdownTick {
public:
    explicit CountdownTick(const SettingsStore& store);

    struct Result {
        QString nowText;
        LoadResult load;
        // Empty while no target has been read successfully yet.
        std::optional<CountdownTexts> countdown;
        // What is wrong with the settings file, naming it; empty when it read.
        QString trouble;
        // The same in one short line, for a board read from afar:
        // 设置文件无法读取：and why.
        QString troubleInShort;
    };

    Result run();

    // The target of the latest successful read.
    std::optional<double> lastLoadedTarget() const { return m_lastTarget; }

private:
    QString troubleText(const LoadResult& load) const;

    const SettingsStore& m_store;
    SettingsReader m_reader;
    std::optional<double> m_lastTarget;
    QString m_trouble;
};
