#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures from a built program, on a virtual display
# (Xvfb): docs/screenshot-main.png, the main window a moment after it starts,
# and docs/screenshot-settings.png, the settings dialog opened by a click on
# the main window's settings button, each cropped to its window; then
# docs/screenshot-fullscreen.png, the whole screen with the program started
# in full screen; and on a screen of 1920 x 1080 the classroom board
# (--board) with its clock set to a known day by faketime:
# docs/screenshot-board-dark.png and -red.png on a school day,
# docs/screenshot-board-exam.png on the first day of the exam.
# Builds nothing. Regenerate them whenever the look changes.
#
#   packaging/make-screenshots.sh [PROGRAM [OUTPUT_FOLDER]]
#
# PROGRAM defaults to build/release/app/gaokao-countdown, OUTPUT_FOLDER to
# docs. QT_SCALE_FACTOR passes through, for a look at high-density screens:
#   QT_SCALE_FACTOR=2 packaging/make-screenshots.sh build/release/app/gaokao-countdown /tmp/2x
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/gaokao-countdown}")
out=${2:-docs}
scale=${QT_SCALE_FACTOR:-1}
[ -x "$program" ] || { echo "make-screenshots.sh: no program at $program; build it first" >&2; exit 1; }
scripts/install-deps.sh screenshots
mkdir -p "$out"

source scripts/virtual-display.sh
work=$(mktemp -d)
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

# A screen of 1280 x 800 logical pixels.
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
start_virtual_display "$(scaled 1280)x$(scaled 800)x24"

# A settings file of its own that counts down to the next exam (7 June, 9:00),
# so the pictures show what a user sees in the run-up to it.
year=$(date +%Y)
[ "$(date +%m%d)" -ge 0607 ] && year=$((year + 1))
mkdir -p "$work/config/VEKTemp"
printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$(date '+%Y-%-m-%-d %-H:%M:%S')" "$year-6-7 9:00:00" \
    "沐芷中学高考曜刻软件" "距${year}年高考 还 有 ：" |
    iconv -f UTF-8 -t GB18030 >"$work/config/VEKTemp/data.txt"

HOME=$work XDG_CONFIG_HOME=$work/config "$program" &
program_pid=$!
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

main=$(find_window '^曜刻软件1.0 版$')
sleep 2 # two ticks: every text filled in
import -window "$main" "$out/screenshot-main.png"

# The settings button Comgjsz: 9480, 6840 twips, 1815 x 615, 15 twips a pixel.
xdotool mousemove --window "$main" "$(scaled 692)" "$(scaled 476)" click 1
dialog=$(find_window '^自定义设置$')
sleep 1
import -window "$dialog" "$out/screenshot-settings.png"

kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
HOME=$work XDG_CONFIG_HOME=$work/config "$program" --fullscreen &
program_pid=$!
find_window '^曜刻软件1.0 版$' >/dev/null
sleep 2 # the screen filled, and a tick at the new size
import -window root "$out/screenshot-fullscreen.png"

# The board counts to 2027 whatever today is: its pictures do not change
# with the day they are made.
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
stop_virtual_display
start_virtual_display "$(scaled 1920)x$(scaled 1080)x24"
printf '%s\r\n%s\r\n%s\r\n%s\r\n' "2026-12-8 8:00:00" "2027-6-7 9:00:00" \
    "沐芷中学高考曜刻软件" "距2027年高考 还 有 ：" |
    iconv -f UTF-8 -t GB18030 >"$work/config/VEKTemp/data.txt"
preferences=$work/config/gaokao-countdown/gaokao-countdown.ini
mkdir -p "$(dirname "$preferences")"
exam='[exam]
size=2
1\subject=语文
1\start=2027-06-07T09:00
1\end=2027-06-07T11:30
2\subject=数学
2\start=2027-06-07T15:00
2\end=2027-06-07T17:00'
faketime=$(dpkg -L libfaketime | grep -m 1 '/libfaketime\.so\.1$')
board_picture() { # NAME MOMENT PREFERENCES
    printf '%s\n' "$3" >"$preferences"
    # libfaketime itself rather than faketime, which would keep the program
    # as a child of its own and so out of reach of the kill below.
    HOME=$work XDG_CONFIG_HOME=$work/config LD_PRELOAD=$faketime FAKETIME="@$2" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$program" --board &
    program_pid=$!
    find_window '^大屏显示$' >/dev/null
    sleep 2 # a tick at the board's size
    import -window root "$out/screenshot-board-$1.png"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}
board_picture dark "2026-12-08 14:03:25" ""
board_picture red "2026-12-08 14:03:25" $'[board]\ntheme=red\nmotto=天道酬勤'
board_picture exam "2027-06-07 10:27:13" "$exam"
echo "make-screenshots.sh: wrote $out/screenshot-main.png, $out/screenshot-settings.png," \
    "$out/screenshot-fullscreen.png and $out/screenshot-board-{dark,red,exam}.png"
