#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot-widgets.png: three desktop countdowns (一模 with the
# days only on no background, 百日誓师 in full on a see-through one, 高考 on
# an opaque one, repeating every year) beside the main window, on a busy wallpaper under the openbox window
# manager and the xcompmgr compositor (without one, a see-through background
# shows black), as a classroom desktop shows them. Builds nothing.
#
#   packaging/make-widget-screenshot.sh [PROGRAM [OUTPUT_FILE]]
#
# QT_SCALE_FACTOR passes through, for a look at high-density screens:
#   QT_SCALE_FACTOR=2 packaging/make-widget-screenshot.sh build/release/app/gaokao-countdown /tmp/2x.png
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/gaokao-countdown}")
out=${2:-docs/screenshot-widgets.png}
scale=${QT_SCALE_FACTOR:-1}
[ -x "$program" ] || { echo "make-widget-screenshot.sh: no program at $program; build it first" >&2; exit 1; }
scripts/install-deps.sh screenshots

source scripts/virtual-display.sh
work=$(mktemp -d)
program_pid=""
wm_pid=""
compositor_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
start_virtual_display "$(scaled 1280)x$(scaled 800)x24"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
# Ready once it names itself on the root window.
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xcompmgr >/dev/null 2>&1 &
compositor_pid=$!

# A wallpaper with light and dark patches, where white text alone would be lost.
convert -size "$(scaled 1280)x$(scaled 800)" -seed 11 plasma:fractal -blur 0x2 "$work/wallpaper.png"
# Set where the compositor looks for it (_XROOTPMAP_ID).
hsetroot -fill "$work/wallpaper.png" >/dev/null

# Dates ahead of today, so that the widgets count down as in the run-up.
in_days() { date -d "+$1 days" +%Y-%m-%d; }
mkdir -p "$work/config/gaokao-countdown" "$work/config/VEKTemp"
# The main window counts to the next exam, as in packaging/make-screenshots.sh.
year=$(date +%Y)
[ "$(date +%m%d)" -ge 0607 ] && year=$((year + 1))
printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$(date '+%Y-%-m-%-d %-H:%M:%S')" "$year-6-7 9:00:00" \
    "沐芷中学高考曜刻软件" "距${year}年高考 还 有 ：" |
    iconv -f UTF-8 -t GB18030 >"$work/config/VEKTemp/data.txt"
cat >"$work/config/gaokao-countdown/gaokao-countdown.ini" <<INI
[countdowns]
size=3
1\\title=一模
1\\target=$(in_days 38)T08:00
1\\position=40,24
1\\opacity=transparent
2\\title=百日誓师
2\\target=$(in_days 71)T09:00
2\\format=full
2\\position=480,700
3\\title=高考
3\\target=$(in_days 181)T09:00
3\\repeat=true
3\\opacity=opaque
3\\position=790,700
INI

HOME=$work XDG_CONFIG_HOME=$work/config "$program" &
program_pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^曜刻软件1.0 版$' >/dev/null
sleep 3 # two ticks, every text filled in, and the window manager done placing
import -window root "$out"
echo "make-widget-screenshot.sh: wrote $out"
