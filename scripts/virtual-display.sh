# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a virtual X display (Xvfb) for a script that has no display, the
# one way run.sh, bench/compare.sh and packaging/make-screenshots.sh do it.
# Sourced, not run:
#
#   source scripts/virtual-display.sh
#   start_virtual_display 1280x800x24 [more Xvfb options]
#   trap stop_virtual_display EXIT   # or call it from the script's own cleanup
#
# start_virtual_display lets Xvfb take a free display number, waits until the
# display answers, exports DISPLAY and keeps the server's process in
# VIRTUAL_DISPLAY_PID. Xvfb's messages go to $VIRTUAL_DISPLAY_LOG if set.

start_virtual_display() {
    local screen=$1
    shift
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp "$@" \
        3>"$number_file" >"${VIRTUAL_DISPLAY_LOG:-/dev/null}" 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    local number=""
    for _ in $(seq 100); do
        number=$(tr -dc '0-9' <"$number_file")
        [ -n "$number" ] && break
        sleep 0.1
    done
    rm -f "$number_file"
    if [ -z "$number" ]; then
        echo "virtual-display.sh: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

stop_virtual_display() {
    if [ -n "${VIRTUAL_DISPLAY_PID:-}" ]; then
        kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
        wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    fi
    VIRTUAL_DISPLAY_PID=""
}
