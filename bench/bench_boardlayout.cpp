// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom board's layout at one tick, at each size a board may have in
// the program's own pixels: the clock and the time left change every second,
// everything else stays. Run on Qt's offscreen platform, which has the fonts
// the board uses:
//   build/release/bench/bench_boardlayout
#include "boardlayout.h"
#include "fontsubstitutes.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {
BoardContent during(int second)
{
    BoardContent c;
    c.phase = BoardContent::Phase::During;
    c.title = u"某某中学 2027届"_s;
    c.heading = u"思想政治 14:30–15:45"_s;
    c.bigBefore = u"还剩"_s;
    c.big = u"0:%1:%2"_s.arg(14 - second / 60 % 15, 2, 10, QChar(u'0'))
                .arg(59 - second % 60, 2, 10, QChar(u'0'));
    c.urgent = true;
    c.detail = u"高考第 3 天"_s;
    c.target = u"今天还有 生物学 17:00"_s;
    c.now = u"现在 2027年6月9日 星期三 15:%1:%2"_s.arg(30 + second / 60 % 15, 2, 10, QChar(u'0'))
                .arg(second % 60, 2, 10, QChar(u'0'));
    return c;
}
}

// Arguments: the board's width and height in the program's pixels.
static void BM_BoardLayoutTick(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    const BoardTheme theme = BoardTheme::of(BoardOptions::Theme::Dark);
    int second = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BoardLayout::place(during(second++), u"天道酬勤"_s, theme, size));
}
BENCHMARK(BM_BoardLayoutTick)
    ->Args({ 1920, 1080 })
    ->Args({ 1080, 1920 })
    ->Args({ 3840, 1080 })
    ->Args({ 1707, 960 })
    ->Args({ 607, 341 })
    ->Args({ 213, 160 })
    ->Args({ 160, 90 })
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
