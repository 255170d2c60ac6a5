#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as on a Linux desktop with a screen reader: on an X display
# (Xvfb), with a session bus and the AT-SPI accessibility bus, and with Qt's
# accessibility bridge switched on.
#
#   tests/main_window/with_atspi.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
# dbus-run-session ends the session bus, and with it the AT-SPI bus and its
# registry, when the command returns.
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null || true" EXIT
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a -s "-screen 0 1280x800x24" "$@"
' with_atspi "$@"
