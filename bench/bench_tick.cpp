// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One tick's work without a window: read the settings file, compute the
// countdown and format every text, on a real file in a temporary folder.
#include "countdowntick.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

static void BM_Tick(benchmark::State& state)
{
    QTemporaryDir root;
    double now = 41699.0 + 45296.0 / 86400;
    const SettingsStore store(root.filePath(u"VEKTemp"_s), [&] { return now; });
    store.EnsureSettingsFile();
    CountdownTick tick(store);
    for (auto _ : state) {
        now += 1.0 / 86400;
        benchmark::DoNotOptimize(tick.run());
    }
}
BENCHMARK(BM_Tick)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
