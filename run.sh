#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Without a
# display it runs on a virtual one and saves a screenshot of the window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build run
cmake --preset release >/dev/null
cmake --build --preset release
program=build/release/app/gaokao-countdown

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set):"
echo "starting the program on a virtual display (Xvfb)."
n=99
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

DISPLAY=":$n" "$program" &
program_pid=$!
sleep 3
DISPLAY=":$n" import -window root build/screenshot.png
echo "Screenshot of the window: $(pwd)/build/screenshot.png"
echo "The program keeps running on display :$n; press Ctrl+C to stop it."
wait "$program_pid"
