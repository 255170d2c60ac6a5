#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets the program side by side with a floor and a classic clock, in one run
# on a virtual X display, and writes the table to bench/RESULTS.md (notes
# under their own headings there stay):
#   - gaokao-countdown, as bench/gaokao-probe: the program built from the same
#     sources and libraries, plus the measurement of bench/probe.cpp;
#   - the same with three desktop countdowns (one in the full form, which
#     changes every second), for their memory and idle CPU;
#   - the same started with the classroom board (--board), likewise;
#   - the floor, bench/bench_floor: one Qt Widgets window of the same size with
#     one label in the title's font and one line edit showing the time;
#   - xclock -update 1 from x11-apps.
# The programs take turns (program, floor, xclock, program, ...), RUNS rounds,
# and the table gives the medians. In its turn each program is started
# STARTS times just for its start-up, then once more and left running for
# its memory and idle CPU. A round lasts about 3 × 75 s.
#
# Usage: bench/compare.sh
# Settings, from the environment: RUNS (5), STARTS (3: extra starts per turn,
# for the start-up figures only), MEMORY_AFTER_S (10), IDLE_S (60),
# RESIZE_ROUNDS (9). BUILD_DIR=<folder> measures an existing build folder
# instead of building the release preset.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

runs=${RUNS:-5}
starts=${STARTS:-3}
memory_after=${MEMORY_AFTER_S:-10}
idle=${IDLE_S:-60}
resize_rounds=${RESIZE_ROUNDS:-9}

# What building and measuring need, installed where missing.
scripts/install-deps.sh build bench
source scripts/virtual-display.sh

if [ -n "${BUILD_DIR:-}" ]; then
    build=$(realpath "$BUILD_DIR")
    cmake --build "$build"
else
    build=$root/build/release
    cmake --preset release >/dev/null
    cmake --build --preset release
fi
program=$build/bench/gaokao-probe
floor=$build/bench/bench_floor
xwatch=$build/bench/bench_xwatch
for exe in "$program" "$floor" "$xwatch"; do
    [ -x "$exe" ] || { echo "missing: $exe (is Google Benchmark installed?)" >&2; exit 1; }
done

work=$(mktemp -d)
running_pid="" xwatch_pid=""
cleanup() {
    for pid in "$running_pid" "$xwatch_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    stop_virtual_display
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display larger than 1920 × 1080, with room for the window's frame.
VIRTUAL_DISPLAY_LOG=$work/xvfb.log start_virtual_display 2048x1200x24 -dpi 96
# The program's settings file in a folder of its own, not the user's.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The same program with three desktop countdowns, in a folder of its own.
widgets_config=$work/widgets-config
mkdir -p "$widgets_config/gaokao-countdown"
cat >"$widgets_config/gaokao-countdown/gaokao-countdown.ini" <<'INI'
[countdowns]
size=3
1\title=一模
1\target=2099-03-15T08:00
2\title=百日誓师
2\target=2099-02-26T09:00
2\format=full
3\title=高考
3\target=2099-06-07T09:00
3\repeat=true
INI

startups=$work/startups.tsv # name run frame_ms cpu_ms kernel_ms map_ms expose_ms
results=$work/results.tsv   # name run hwm_kib idle_ticks idle_sched_ns idle_ms
resizes=$work/resizes.txt   # name run round up settle_up repaint_up down settle_down repaint_down
: >"$startups"
: >"$results"
: >"$resizes"
ticks_per_s=$(getconf CLK_TCK)

# utime + stime of a process, all its threads, in clock ticks.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
# Time on a processor of all of a process's threads, in ns, from the scheduler.
sched_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
# Milliseconds between two $EPOCHREALTIME values, or between one and µs.
ms_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (b - a) * 1000 }'; }

# Starts the watcher that sees the next window appear from outside.
start_xwatch() {
    "$xwatch" >"$1" 2>&1 &
    xwatch_pid=$!
    for _ in $(seq 100); do grep -q ready "$1" 2>/dev/null && return; sleep 0.02; done
    echo "bench_xwatch did not start" >&2
    exit 1
}

# Starts a program with the watcher, in folder $1; the launch moment is taken
# in the child itself, just before exec, so what is measured starts with the
# program's own exec.
launch() {
    local dir=$1
    shift
    mkdir -p "$dir"
    start_xwatch "$dir/xwatch"
    (
        t0=$EPOCHREALTIME
        echo "$t0" >"$dir/t0"
        export GAOKAO_PROBE_T0=$t0
        exec "$@"
    ) >"$dir/out" 2>"$dir/err" &
    running_pid=$!
}

# Ends what launch() started.
stop() {
    kill "$running_pid" 2>/dev/null || true
    wait "$running_pid" 2>/dev/null || true
    running_pid=""
    kill "$xwatch_pid" 2>/dev/null || true
    wait "$xwatch_pid" 2>/dev/null || true
    xwatch_pid=""
}

# Appends the start-up of the program launched in folder $3 to the start-ups:
# name, run, first frame and processor time inside, kernel check, map and
# expose seen by the X server (ms; "-" where there is none).
note_startup() {
    local name=$1 run=$2 dir=$3 t0 probe cpu kernel map expose
    t0=$(cat "$dir/t0")
    probe=$(sed -n 's/.*frame_ms=\([0-9.]*\).*/\1/p' "$dir/out")
    cpu=$(sed -n 's/.*cpu_ms=\([0-9.]*\).*/\1/p' "$dir/out")
    kernel=$(sed -n 's/.*kernel_ms=\([0-9.]*\).*/\1/p' "$dir/out")
    map=$(awk -v t0="$t0" '$1 == "map" { printf "%.3f", $2 / 1000 - t0 * 1000 }' "$dir/xwatch")
    expose=$(awk -v t0="$t0" '$1 == "expose" { printf "%.3f", $2 / 1000 - t0 * 1000 }' "$dir/xwatch")
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$run" "${probe:--}" "${cpu:--}" \
        "${kernel:--}" "${map:--}" "${expose:--}" >>"$startups"
    printf '  %-8s run %s: first frame %s ms, X server expose %s ms\n' "$name" "$run" \
        "${probe:-n/a}" "${expose:-n/a}"
}

# A start only: until the first frame, then ended.
measure_start() {
    local name=$1 run=$2 dir=$work/$name-$run-start-$3
    shift 3
    launch "$dir" "$@"
    for _ in $(seq 100); do
        if [ -s "$dir/out" ] || grep -q expose "$dir/xwatch"; then break; fi
        sleep 0.05
    done
    sleep 0.5
    stop
    note_startup "$name" "$run" "$dir"
}

# A start, then the peak memory after MEMORY_AFTER_S and the CPU over the
# IDLE_S after that.
measure() {
    local name=$1 run=$2 dir=$work/$name-$run
    shift 2
    launch "$dir" "$@"
    local pid=$running_pid hwm ticks0 sched0 idle0 ticks1 sched1 idle1
    sleep "$memory_after"
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    ticks0=$(cpu_ticks "$pid")
    sched0=$(sched_ns "$pid")
    idle0=$EPOCHREALTIME
    sleep "$idle"
    ticks1=$(cpu_ticks "$pid")
    sched1=$(sched_ns "$pid")
    idle1=$EPOCHREALTIME
    stop
    note_startup "$name" "$run" "$dir"
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$run" "$hwm" $((ticks1 - ticks0)) \
        $((sched1 - sched0)) "$(ms_between "$idle0" "$idle1")" >>"$results"
    printf '  %-8s run %s: peak %s KiB, idle %s ticks\n' "$name" "$run" "$hwm" \
        $((ticks1 - ticks0))
}

# One turn of a program: STARTS starts, then the long run.
turn() {
    local name=$1 run=$2
    shift 2
    for k in $(seq "$starts"); do measure_start "$name" "$run" "$k" "$@"; done
    measure "$name" "$run" "$@"
}

# The program's resizes, measured inside it; `photo` puts a photo of that
# size in place of the built-in picture.
measure_resizes() {
    local name=$1 run=$2 photo=$3
    local out=$work/$name-resize-$run
    GAOKAO_PROBE_RESIZE=$resize_rounds GAOKAO_PROBE_PHOTO=$photo timeout 120 "$program" \
        >"$out" 2>"$out.err" || true
    awk -v name="$name" -v run="$run" '$1 == "resize" {
        line = name " " run
        for (i = 2; i <= NF; ++i) { split($i, kv, "="); line = line " " kv[2] }
        print line
    }' "$out" >>"$resizes"
}

# One start of each first, not counted, so that no run pays for a cold cache.
warm_up() {
    "$@" >/dev/null 2>&1 &
    running_pid=$!
    sleep 2
    kill "$running_pid" 2>/dev/null || true
    wait "$running_pid" 2>/dev/null || true
    running_pid=""
}
echo "Warming up"
warm_up "$program"
warm_up env XDG_CONFIG_HOME="$widgets_config" "$program"
warm_up "$program" --board
warm_up "$floor"
warm_up xclock -update 1

for run in $(seq "$runs"); do
    echo "Round $run of $runs"
    turn program "$run" "$program"
    measure_resizes resize "$run" ""
    measure_resizes photo "$run" 4000x3000
    turn widgets "$run" env XDG_CONFIG_HOME="$widgets_config" "$program"
    turn board "$run" "$program" --board
    turn floor "$run" "$floor"
    turn xclock "$run" xclock -update 1
done
# The raw figures stay with the build.
mkdir -p "$build/bench/compare-data"
cp "$startups" "$results" "$resizes" "$build/bench/compare-data/"

# The median of the numbers on standard input ("-" where there are none).
median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "-"; exit }
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# Column `col` of the lines of program `name` in file `file`, skipping "-".
column() { awk -F'\t' -v n="$1" -v c="$2" '$1 == n && $c != "-" { print $c }' "$3"; }
# Median over runs of one resize figure: each run's median over rounds 2 and
# later, or each run's first round with `first`.
resize_median() {
    local name=$1 field=$2 which=${3:-rest}
    for run in $(seq "$runs"); do
        awk -v n="$name" -v r="$run" -v f="$field" -v w="$which" \
            '$1 == n && $2 == r && ((w == "first") == ($3 == 1)) { print $f }' "$resizes" | median
    done | grep -v '^-$' | median
}
fmt() { [ "$1" = "-" ] && echo "n/a" || awk -v v="$1" -v d="$2" 'BEGIN { printf "%.*f", d, v }'; }

declare -A startup cpu_startup external memory idle_ticks idle_sched
for name in program widgets board floor xclock; do
    startup[$name]=$(column "$name" 3 "$startups" | median)
    cpu_startup[$name]=$(column "$name" 4 "$startups" | median)
    external[$name]=$(column "$name" 7 "$startups" | median)
    memory[$name]=$(column "$name" 3 "$results" | median)
    # % of one core: ticks over the idle time actually slept.
    idle_ticks[$name]=$(awk -F'\t' -v n="$name" -v hz="$ticks_per_s" \
        '$1 == n { print 100 * $4 / hz / ($6 / 1000) }' "$results" | median)
    idle_sched[$name]=$(awk -F'\t' -v n="$name" \
        '$1 == n { print 100 * $5 / 1e9 / ($6 / 1000) }' "$results" | median)
done
# Fields of a resize line: name run round up settle_up repaint_up down settle_down repaint_down
up=$(resize_median resize 4)
up_first=$(resize_median resize 4 first)
down=$(resize_median resize 7)
settle_up=$(resize_median resize 5)
settle_down=$(resize_median resize 8)
repaint_up=$(resize_median resize 6)
repaint_down=$(resize_median resize 9)
photo_up=$(resize_median photo 4)
photo_down=$(resize_median photo 7)
photo_settle_up=$(resize_median photo 5)
photo_settle_down=$(resize_median photo 8)

verdict() { awk -v v="$1" -v g="$2" 'BEGIN { print (v == "-" || g == "-") ? "n/a" : (v + 0 <= g + 0 ? "yes" : "no") }'; }
startup_goal=$(awk -v f="${startup[floor]}" 'BEGIN { printf "%.1f", 1.3 * f }')
widgets_memory_goal=$(awk -v p="${memory[program]}" 'BEGIN { printf "%.1f", p / 1024 + 5 }')
memory_goal=$(awk -v f="${memory[floor]}" 'BEGIN { printf "%.1f", f / 1024 + 15 }')
mib() { [ "$1" = "-" ] && echo "-" || awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
pct() { [ "$1" = "-" ] && echo "n/a" || awk -v v="$1" 'BEGIN { printf "%.3f", v }'; }

table=$(cat <<EOF
| Figure (medians) | gaokao-countdown | floor (Qt Widgets) | \`xclock -update 1\` | Goal | Met |
|---|---:|---:|---:|---|:-:|
| Start-up to the first frame, measured in the program (ms) | $(fmt "${startup[program]}" 1) | $(fmt "${startup[floor]}" 1) | n/a | ≤ 1.3 × floor = $startup_goal | $(verdict "${startup[program]}" "$startup_goal") |
| Start-up to the first expose, seen by the X server (ms, external) | $(fmt "${external[program]}" 1) | $(fmt "${external[floor]}" 1) | $(fmt "${external[xclock]}" 1) | | |
| Processor time until the first frame, all threads (ms) | $(fmt "${cpu_startup[program]}" 1) | $(fmt "${cpu_startup[floor]}" 1) | n/a | | |
| Peak resident memory after ${memory_after} s (MiB) | $(mib "${memory[program]}") | $(mib "${memory[floor]}") | $(mib "${memory[xclock]}") | ≤ floor + 15 = $memory_goal | $(verdict "$(mib "${memory[program]}")" "$memory_goal") |
| … with three desktop countdowns (MiB) | $(mib "${memory[widgets]}") | | | ≤ program + 5 = $widgets_memory_goal | $(verdict "$(mib "${memory[widgets]}")" "$widgets_memory_goal") |
| … with the classroom board shown (MiB) | $(mib "${memory[board]}") | | | ≤ program + 5 = $widgets_memory_goal | $(verdict "$(mib "${memory[board]}")" "$widgets_memory_goal") |
| CPU over ${idle} s idle, utime + stime (% of one core) | $(pct "${idle_ticks[program]}") | $(pct "${idle_ticks[floor]}") | $(pct "${idle_ticks[xclock]}") | < 0.1 | $(verdict "${idle_ticks[program]}" 0.0999) |
| CPU over ${idle} s idle, scheduler run time (% of one core) | $(pct "${idle_sched[program]}") | $(pct "${idle_sched[floor]}") | $(pct "${idle_sched[xclock]}") | < 0.1 | $(verdict "${idle_sched[program]}" 0.0999) |
| … with three desktop countdowns: utime + stime / scheduler run time (% of one core) | $(pct "${idle_ticks[widgets]}") / $(pct "${idle_sched[widgets]}") | | | < 0.1 | $(verdict "${idle_ticks[widgets]}" 0.0999) |
| … with the classroom board shown: utime + stime / scheduler run time (% of one core) | $(pct "${idle_ticks[board]}") / $(pct "${idle_sched[board]}") | | | < 0.1 | $(verdict "${idle_ticks[board]}" 0.0999) |
| Resize to 1920 × 1080 with rescale and repaint (ms) | $(fmt "$up" 2) | | | < 8 | $(verdict "$up" 7.999) |
| … the first one of each run (ms) | $(fmt "$up_first" 2) | | | | |
| Resize back to 859 × 533 with rescale and repaint (ms) | $(fmt "$down" 2) | | | | |
| Repaint of the whole window, no resize: 1920 × 1080 / 859 × 533 (ms) | $(fmt "$repaint_up" 2) / $(fmt "$repaint_down" 2) | | | | |
| Deferred smooth copy once the size settles, built-in picture: 1920 × 1080 / 859 × 533 (ms) | $(fmt "$settle_up" 3) / $(fmt "$settle_down" 3) | | | | |
| With a 4000 × 3000 photo as the picture: resize up / back (ms) | $(fmt "$photo_up" 2) / $(fmt "$photo_down" 2) | | | | |
| … its deferred smooth copy: 1920 × 1080 / 859 × 533 (ms) | $(fmt "$photo_settle_up" 1) / $(fmt "$photo_settle_down" 1) | | | | |
EOF
)

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
ram=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
xvfb=$(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo unknown)
machine="$cpu_model, $(nproc) cores, $ram RAM; Debian $(cat /etc/debian_version), Linux $(uname -r), Qt $qt, Xvfb $xvfb (2048 × 1200, 24 bit, 96 dpi, no window manager); $(date -u +%Y-%m-%d)"

# What the table does not hold stays: the licence lines above its heading and
# any notes under headings of their own after it (a before-and-after, say).
report=bench/RESULTS.md
licence='' notes=''
if [[ -f $report ]]; then
    licence=$(sed '/^# /,$d' "$report")
    notes=$(sed -n '/^## /,$p' "$report")
fi
{
if [[ -n $licence ]]; then printf '%s\n' "$licence"; fi
cat <<EOF
# Side by side: gaokao-countdown, a Qt Widgets floor, and xclock

Written by \`bench/compare.sh\`: $runs rounds, the programs taking turns; the
start-up figures are medians over the $((runs * (starts + 1))) starts of each program, the
others over its $runs long runs, the resizes over its $runs resize runs.

Machine: $machine.

$table

How it is measured:

- Start-up in the program: \`bench/probe.cpp\`, linked into the program
  (\`gaokao-probe\`: the sources, definitions and libraries of \`gaokao-countdown\`)
  and into the floor, installs an application-wide event filter as QApplication
  starts. At the first expose of a window that is exposed it delivers the
  event, so that the first frame is painted and handed to the X server, and
  takes the time. The launch moment is \`\$EPOCHREALTIME\` (µs) read in the
  launching shell's child just before \`exec\`, so the figure covers the exec,
  dynamic linking, Qt's start and the first frame. The kernel's start time of
  the process (\`/proc/self/stat\`, 10 ms ticks) is printed beside it as a check.
- Start-up seen by the X server: \`bench/xwatch.cpp\` stands in for a window
  manager until the first window appears and takes the time of that window's
  first Expose event, for all three programs alike; for xclock it is the only
  start-up figure.
- Peak resident memory: \`VmHWM\` of \`/proc/PID/status\` ${memory_after} s after the start.
  The program keeps its settings file in a folder of the run's own
  (\`XDG_CONFIG_HOME\`), made at its first start.
- Idle CPU: \`utime + stime\` of \`/proc/PID/stat\` (all threads, in ${ticks_per_s} Hz
  ticks, so one tick over ${idle} s is $(awk -v i="$idle" -v h="$ticks_per_s" 'BEGIN { printf "%.3f", 100 / h / i }') %) from ${memory_after} s
  to $((memory_after + idle)) s, and the same from the scheduler's run times in
  \`/proc/PID/task/*/schedstat\` (ns).
- With three desktop countdowns: the same program with a preferences file of
  three (\`[countdowns]\`, one in the full form that changes every second), in
  a folder of their own; their turn comes after the plain program's.
- With the classroom board: the same program started with \`--board\`, full
  screen over the whole display, its time now redrawn every second.
- Resizes, inside the program: \`resize(1920, 1080)\` then \`repaint()\` of the
  window, timed with QElapsedTimer, and back to 859 × 533; ${resize_rounds} rounds per run,
  the median of rounds 2 to ${resize_rounds}, the first round on its own. The deferred
  step is \`PictureBox::settle()\`, what the picture does by itself once the size
  has stayed the same for \`PictureBox::kSettleMs\`, with the repaint it asks for.
EOF
if [[ -n $notes ]]; then printf '\n%s\n' "$notes"; fi
} >"$report.new"
mv "$report.new" "$report"

echo
echo "Machine: $machine"
echo
echo "$table"
echo
echo "Written to bench/RESULTS.md"
