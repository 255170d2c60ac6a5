#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program built here under Wine: CTest's emulator in the
# windows preset, so that `ctest --preset windows` runs the tests as on Linux.
#
#   run-under-wine.sh PREFIX QT PROGRAM [ARGUMENTS...]
#   run-under-wine.sh PREFIX QT --setup
#
# PREFIX is the Wine prefix, made on first use and kept (in the build folder);
# QT the Qt for Windows the program was built with. --setup only makes the
# prefix ready (the tests' fixture does it once before the others start).
#
# Wine hands the program the Unix environment except a few names it keeps for
# itself, QT_* among them: those arrive only as WINEQT_*, so each QT_* given
# here is passed on that way. The program runs without an X display: Qt's
# offscreen platform draws into memory, and with Wine's desktop kept apart
# from any display, tests started with or without one behave the same.
# Offscreen Qt on Windows takes its fonts from one folder, QT_QPA_FONTDIR:
# the prefix's C:\windows\Fonts, which holds links to the system's fonts.
# GAOKAO_WINE_TIMEOUT (seconds, default 900) ends a program that hangs.
set -euo pipefail
if [ $# -lt 3 ]; then
    echo "usage: $0 PREFIX QT PROGRAM [ARGUMENTS...] | $0 PREFIX QT --setup" >&2
    exit 2
fi
prefix=$1 qt=$2
shift 2

export WINEPREFIX=$prefix WINEDEBUG=-all
# No dialog offering to download Mono or Gecko, which nothing here uses.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
limit=${GAOKAO_WINE_TIMEOUT:-900}

windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

make_prefix() {
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    if [ ! -f "$prefix/.ready" ]; then
        rm -rf "$prefix"
        timeout -k 10 "$limit" wine wineboot --init >/dev/null 2>&1 9>&-
        timeout -k 10 "$limit" wineserver --wait 9>&-
        fonts="$prefix/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        fc-list --format '%{file}\n' | grep -Ei '\.(ttf|ttc|otf)$' | sort -u |
            while read -r file; do ln -sf "$file" "$fonts/"; done
        touch "$prefix/.ready"
    fi
    # Wine's own processes stay between tests, rather than start for each.
    # It must not hold the lock nor the caller's output open.
    wineserver --persistent=60 </dev/null >/dev/null 2>&1 9>&- || true
    exec 9>&-
}

make_prefix
[ "$1" = --setup ] && exit 0

export WINEPATH
WINEPATH="$(windows_path "$qt/bin")"
export WINEQT_PLUGIN_PATH WINEQT_FORCE_STDERR_LOGGING=1 WINEQT_QPA_FONTDIR='C:\windows\Fonts'
WINEQT_PLUGIN_PATH="$(windows_path "$qt/plugins")"
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
exec timeout -k 10 "$limit" wine "$@"
