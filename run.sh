#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it. Without a
# display it runs on a virtual one and saves a screenshot of the window.
# Only the program is built, not the tests and benchmarks (./test.sh builds
# those); what it needs at run time, Qt's Chinese texts and the fonts, comes
# from the Debian packages install-deps.sh installs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build run
cmake --preset release >/dev/null
cmake --build --preset release --target gaokao-countdown
program=build/release/app/gaokao-countdown

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set):"
echo "starting the program on a virtual display (Xvfb)."
source scripts/virtual-display.sh
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    stop_virtual_display
}
trap cleanup EXIT
trap 'exit 130' INT TERM
start_virtual_display 1280x800x24

"$program" &
program_pid=$!
sleep 3
import -window root build/screenshot.png
echo "Screenshot of the window: $(pwd)/build/screenshot.png"
echo "The program keeps running on display $DISPLAY; press Ctrl+C to stop it."
wait "$program_pid"
