#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's Windows pictures from the deployed Windows program, run
# under Wine on a virtual display (Xvfb), the way packaging/make-screenshots.sh
# makes the Linux ones: docs/screenshot-windows-main.png, the main window a
# moment after it starts, and docs/screenshot-windows-settings.png, the
# settings dialog opened by a click on the main window's settings button,
# each cropped to its window with the frame; then
# docs/screenshot-windows-fullscreen.png, the whole screen with the program
# started in full screen.
#
# Wine runs as a virtual desktop (`explorer /desktop=`), where it draws the
# windows' frames itself in the Windows look, in a fresh Wine prefix set up
# for a Chinese system (LANG=zh_CN.UTF-8: the title bars' Chinese text).
# Builds nothing.
#
#   packaging/windows/make-screenshots.sh FOLDER [OUTPUT_FOLDER]
#
# FOLDER holds gaokao-countdown.exe with the libraries and plugins beside it,
# as `cmake --install build/windows --prefix FOLDER` lays it out; OUTPUT_FOLDER
# defaults to docs.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ $# -ge 1 ] || { echo "usage: $0 FOLDER [OUTPUT_FOLDER]" >&2; exit 2; }
folder=$(realpath "$1")
out=${2:-docs}
program=$folder/gaokao-countdown.exe
[ -f "$program" ] || { echo "make-screenshots.sh: no program at $program" >&2; exit 1; }
scripts/install-deps.sh screenshots windows
# Wine draws the title bars' buttons with the Marlett font, from fonts-wine.
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || { echo "make-screenshots.sh: $marlett missing: apt-get install fonts-wine" >&2; exit 1; }
mkdir -p "$out"

source scripts/virtual-display.sh
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# Wine only: xdotool needs a locale this system has to match the titles.
wine_zh() { LANG=zh_CN.UTF-8 LC_ALL='' "$@"; }
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 1280x800x24
wine_zh wineboot -i >/dev/null 2>&1
wineserver -w
cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"

# A settings file of its own that counts down to the next exam (7 June, 9:00),
# so the pictures show what a user sees in the run-up to it. Under Wine, run
# as a user who may write there, the program keeps it in Program Files.
year=$(date +%Y)
[ "$(date +%m%d)" -ge 0607 ] && year=$((year + 1))
settings="$WINEPREFIX/drive_c/Program Files/VEKTemp"
mkdir -p "$settings"
printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$(date '+%Y-%-m-%-d %-H:%M:%S')" "$year-6-7 9:00:00" \
    "沐芷中学高考曜刻软件" "距${year}年高考 还 有 ：" |
    iconv -f UTF-8 -t GB18030 >"$settings/data.txt"

# The program on a Wine desktop the size of the screen, 1280 x 800.
start() { wine_zh wine explorer /desktop=shot,1280x800 "$program" "$@" >"$work/wine.log" 2>&1 & }
stop() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
# Wine gives each window on its desktop an X window of its own, frame included,
# its title in _NET_WM_NAME only (xdotool searches WM_NAME): the first window
# titled exactly $1, waited for.
find_window() {
    local id
    for _ in $(seq 300); do
        id=$(xwininfo -root -tree | awk -v t="\"$1\":" 'index($0, t) { print $1; exit }')
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "make-screenshots.sh: no window $1" >&2
    return 1
}

start
main=$(find_window '曜刻软件1.0 版')
sleep 3 # two ticks: every text filled in
import -window "$main" "$out/screenshot-windows-main.png"

# The settings button Comgjsz: 9480, 6840 twips, 1815 x 615, 15 twips a pixel,
# in the client area of 859 x 533, which the frame surrounds: as wide on the
# left, right and bottom, the title bar on top.
eval "$(xdotool getwindowgeometry --shell "$main")"
border=$(((WIDTH - 859) / 2))
top=$((HEIGHT - 533 - border))
xdotool mousemove --window "$main" $((border + 692)) $((top + 476)) click 1
dialog=$(find_window '自定义设置')
sleep 1
import -window "$dialog" "$out/screenshot-windows-settings.png"

stop
start --fullscreen
find_window '曜刻软件1.0 版' >/dev/null
sleep 3 # the screen filled, and a tick at the new size
import -window root "$out/screenshot-windows-fullscreen.png"
stop
echo "make-screenshots.sh: wrote $out/screenshot-windows-main.png," \
    "$out/screenshot-windows-settings.png and $out/screenshot-windows-fullscreen.png"
