// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How soon after the full wall-clock second the main window's ticks land.
// Each iteration waits for one real tick, so a run takes about a second per
// iteration; the counters give the mean and the worst landing in ms after
// the second.
#include "form1.h"
#include "settingsstore.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

static void BM_TickLanding(benchmark::State& state)
{
    QTemporaryDir root;
    const SettingsStore store(root.filePath(u"VEKTemp"_s));
    Form1 form(store);
    form.show();
    QEventLoop loop;
    qint64 landedMs = 0;
    QObject::connect(form.Timer1, &QTimer::timeout, &loop, [&] {
        landedMs = QDateTime::currentMSecsSinceEpoch() % 1000;
        loop.quit();
    });
    loop.exec(); // the first tick may come at any point in a second
    double sum = 0, worst = 0;
    for (auto _ : state) {
        loop.exec();
        // A tick that came just before the second counts as early (negative).
        const double landing = landedMs > 500 ? double(landedMs - 1000) : double(landedMs);
        sum += landing;
        worst = std::max(worst, std::abs(landing));
    }
    state.counters["mean_ms_after_second"] = sum / double(state.iterations());
    state.counters["worst_ms_from_second"] = worst;
}
BENCHMARK(BM_TickLanding)->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
