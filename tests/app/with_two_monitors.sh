#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X display (Xvfb) with two monitors side by side as RandR
# tells them: LEFT, 1024 × 768, and RIGHT, 800 × 600. The whole screen stays a
# third one, the primary. The server keeps them only while it does not reset.
#
#   tests/app/with_two_monitors.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1824x768x24 -noreset" bash -c '
    xrandr --setmonitor LEFT 1024/270x768/203+0+0 none
    xrandr --setmonitor RIGHT 800/211x600/158+1024+0 none
    "$@"
' with_two_monitors "$@"
