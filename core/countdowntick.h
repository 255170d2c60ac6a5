#pragma once

#include "countdown.h"
#include "settingsstore.h"

#include <optional>

// Everything one timer tick computes, without touching a window: the time now,
// a fresh read of the settings file, and the countdown toward the target. A
// file that cannot be read does not stop the countdown: it goes on toward the
// last target read successfully, and the trouble is reported once on standard
// error, not every second.
class CountdownTick {
public:
    explicit CountdownTick(const SettingsStore& store);

    struct Result {
        QString nowText;
        LoadResult load;
        // Empty while no target has been read successfully yet.
        std::optional<CountdownTexts> countdown;
    };

    Result run();

    // The target of the latest successful read.
    std::optional<double> lastLoadedTarget() const { return m_lastTarget; }

private:
    void reportTrouble(const LoadResult& load);

    const SettingsStore& m_store;
    std::optional<double> m_lastTarget;
    bool m_troubleReported = false;
};
