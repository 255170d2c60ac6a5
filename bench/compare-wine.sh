#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program's start-up under Wine beside a floor built the same way
# (bench/windows: bench/floor.cpp with the same toolchain, Qt for Windows and
# Release flags), on a virtual X display, seen from outside by bench_xwatch
# (bench/xwatch.cpp, built for Linux): the time from the launch to the first
# expose of the window. Both run from one copy of the deployed folder, so
# they find the same libraries and plugins.
#
# What is counted: wine's loader and the process's start in the running
# wineserver (kept running with `wineserver -p`, its services and the
# desktop process already up, so Wine's own start is paid once, before the
# first round), the loading of the DLLs, Qt's start and the window's first
# frame. Then one more start of each with WINEDEBUG=+timestamp,+loaddll shows
# where that time goes.
#
#   bench/compare-wine.sh FOLDER
#
# FOLDER holds the deployed program (`cmake --install build/windows --prefix
# FOLDER`). RUNS (7) rounds, program and floor taking turns; medians.
# Prints the table; not part of ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
[ $# -ge 1 ] || { echo "usage: $0 FOLDER" >&2; exit 2; }
deployed=$(realpath "$1")
[ -f "$deployed/gaokao-countdown.exe" ] || { echo "no gaokao-countdown.exe in $deployed" >&2; exit 1; }
runs=${RUNS:-7}
deps=${GAOKAO_WINDOWS_DEPS:-$HOME/.cache/gaokao-countdown/windows}

scripts/install-deps.sh build bench windows
# The watcher for Linux, and the floor for Windows.
cmake --preset release >/dev/null
cmake --build --preset release --target bench_xwatch
xwatch=$root/build/release/bench/bench_xwatch
cmake -S bench/windows -B build/windows-bench -G Ninja \
    --toolchain "$root/cmake/toolchains/x86_64-w64-mingw32.cmake" \
    -DGAOKAO_WINDOWS_DEPS="$deps" >/dev/null
cmake --build build/windows-bench

source scripts/virtual-display.sh
work=$(mktemp -d)
running_pid="" xwatch_pid=""
export WINEPREFIX=$work/prefix WINEDEBUG=-all
cleanup() {
    for pid in "$running_pid" "$xwatch_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    wineserver -k 2>/dev/null || true
    stop_virtual_display
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cp -r "$deployed" "$work/app"
cp build/windows-bench/bench_floor.exe "$work/app/"
start_virtual_display 1280x800x24 -dpi 96
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p >/dev/null 2>&1 # stays up between the starts

# Milliseconds from a $EPOCHREALTIME value to a time in µs.
ms_since() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b / 1000 - a * 1000 }'; }

# One start of $1 (an .exe in the folder): launch to the window's map and
# first expose, in ms, appended to the start-ups as "name map expose".
measure() {
    local name=$1 dir=$work/$1-$2
    mkdir -p "$dir"
    "$xwatch" >"$dir/xwatch" 2>&1 &
    xwatch_pid=$!
    for _ in $(seq 100); do grep -q ready "$dir/xwatch" 2>/dev/null && break; sleep 0.02; done
    (
        echo "$EPOCHREALTIME" >"$dir/t0"
        exec wine "$work/app/$name.exe"
    ) >"$dir/out" 2>&1 &
    running_pid=$!
    wait "$xwatch_pid" || true
    xwatch_pid=""
    sleep 0.5
    kill "$running_pid" 2>/dev/null || true
    wait "$running_pid" 2>/dev/null || true
    running_pid=""
    local t0 map expose
    t0=$(cat "$dir/t0")
    map=$(awk '$1 == "map" { print $2 }' "$dir/xwatch")
    expose=$(awk '$1 == "expose" { print $2 }' "$dir/xwatch")
    [ -n "$map" ] && map=$(ms_since "$t0" "$map") || map=-
    [ -n "$expose" ] && expose=$(ms_since "$t0" "$expose") || expose=-
    echo "$name $map $expose" >>"$work/startups"
    printf '  %-16s run %s: map %s ms, expose %s ms\n' "$name" "$2" "$map" "$expose"
}

# Not counted: the first start of each, whose files come from the disk.
measure gaokao-countdown 0 && measure bench_floor 0
: >"$work/startups"
for run in $(seq "$runs"); do
    measure gaokao-countdown "$run"
    measure bench_floor "$run"
done

median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "-"; exit }
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
figure() { awk -v n="$1" -v c="$2" '$1 == n && $c != "-" { print $c }' "$work/startups" | median; }
program_expose=$(figure gaokao-countdown 3)
floor_expose=$(figure bench_floor 3)
program_map=$(figure gaokao-countdown 2)
floor_map=$(figure bench_floor 2)
ratio=$(awk -v p="$program_expose" -v f="$floor_expose" 'BEGIN { printf "%.2f", p / f }')

# Where the time goes: one traced start of each. Wine's timestamps are its
# tick count, from the raw monotonic clock; the launch is taken on that clock.
trace() {
    local name=$1 dir=$work/trace-$1
    mkdir -p "$dir"
    "$xwatch" >"$dir/xwatch" 2>&1 &
    xwatch_pid=$!
    for _ in $(seq 100); do grep -q ready "$dir/xwatch" 2>/dev/null && break; sleep 0.02; done
    (
        python3 -c 'import time; print(time.clock_gettime(time.CLOCK_MONOTONIC_RAW) * 1000, time.time() * 1000)' >"$dir/t0"
        WINEDEBUG=+timestamp,+loaddll exec wine "$work/app/$name.exe"
    ) >"$dir/out" 2>"$dir/log" &
    running_pid=$!
    wait "$xwatch_pid" || true
    xwatch_pid=""
    sleep 1
    kill "$running_pid" 2>/dev/null || true
    wait "$running_pid" 2>/dev/null || true
    running_pid=""
    read -r mono real <"$dir/t0"
    local expose
    expose=$(awk -v r="$real" '$1 == "expose" { printf "%.1f", $2 / 1000 - r }' "$dir/xwatch")
    # Milliseconds after the launch of the first trace line, and of the
    # loading of the named DLL.
    at() {
        awk -v m="$mono" -v pat="$1" 'index($0, pat) { sub(/:.*/, "", $1); printf "%.1f", $1 * 1000 - m; exit }' "$dir/log"
    }
    echo "$name: first DLL loaded $(at loaddll) ms after the launch;" \
        "Qt6Core $(at 'Qt6Core.dll'), Qt6Widgets $(at 'Qt6Widgets.dll')," \
        "qwindows $(at 'qwindows.dll'), style $(at 'qwindowsvistastyle.dll')," \
        "qjpeg $(at 'qjpeg.dll') ms; last DLL before the expose $(awk -v m="$mono" -v e="$expose" \
            '/loaddll/ { sub(/:.*/, "", $1); if ($1 * 1000 - m <= e) t = $1 } END { printf "%.1f", t * 1000 - m }' "$dir/log") ms;" \
        "first expose $expose ms; $(grep -c 'Loaded' "$dir/log") DLLs loaded"
}
echo
trace gaokao-countdown
trace bench_floor

size_mib() { du -sb "$1" | awk '{ printf "%.1f", $1 / 1048576 }'; }
(cd "$deployed" && zip -qr9 "$work/deployed.zip" .)
echo
echo "| Figure (medians of $runs starts each) | gaokao-countdown | floor | program against floor |"
echo "|---|---:|---:|---:|"
echo "| Launch to the window's map, X server (ms) | $program_map | $floor_map | |"
echo "| Launch to the first expose, X server (ms) | $program_expose | $floor_expose | $ratio × |"
echo "| Deployed folder / zip -r9 of it (MiB) | $(size_mib "$deployed") / $(size_mib "$work/deployed.zip") | | |"
