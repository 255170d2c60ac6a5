#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X display (Xvfb, 1280 × 800) managed by a real window
# manager (openbox), which answers full-screen and stacking requests late and
# on its own terms, as a desktop does. The display and the window manager end
# with the command; its exit status is the script's.
#
#   tests/main_window/with_window_manager.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    log=$(mktemp)
    openbox --sm-disable >"$log" 2>&1 &
    wm=$!
    trap "kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true; rm -f $log" EXIT
    # The window manager is ready once it names itself on the root window.
    for _ in $(seq 300); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
            "$@"
            exit
        fi
        sleep 0.1
    done
    echo "with_window_manager.sh: openbox did not start" >&2
    cat "$log" >&2
    exit 1
' with_window_manager "$@"
