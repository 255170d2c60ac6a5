#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program built here under Wine: CTest's emulator in the
# windows preset, so that `ctest --preset windows` runs the tests as on Linux.
#
#   run-under-wine.sh PREFIX QT DLL_FOLDERS PROGRAM [ARGUMENTS...]
#   run-under-wine.sh PREFIX QT DLL_FOLDERS --setup
#
# PREFIX is the Wine prefix, made on first use and kept (in the build folder);
# QT the Qt for Windows the program was built with; DLL_FOLDERS, separated by
# colons, where Windows looks for the DLLs (Qt's and the compiler's). --setup
# only makes the prefix ready (the tests' fixture does it once before the
# others start).
#
# Wine hands the program the Unix environment except a few names it keeps for
# itself, QT_* among them: those arrive only as WINEQT_*, so each QT_* given
# here is passed on that way. No X display is needed nor used: the prefix's
# graphics driver is Wine's null driver, whose windows live in memory (with
# none at all, Wine waits a minute for its desktop at each start), and Qt's
# offscreen platform draws into memory too.
# Offscreen Qt on Windows takes its fonts from one folder, QT_QPA_FONTDIR:
# the prefix's C:\windows\Fonts, which holds links to the system's fonts.
# GAOKAO_WINE_TIMEOUT (seconds, default 900) ends a program that hangs.
set -euo pipefail
if [ $# -lt 4 ]; then
    echo "usage: $0 PREFIX QT DLL_FOLDERS (PROGRAM [ARGUMENTS...] | --setup)" >&2
    exit 2
fi
prefix=$1 qt=$2 dll_folders=$3
shift 3

export WINEPREFIX=$prefix WINEDEBUG=-all
# Tests that time themselves allow for the translation.
export GAOKAO_UNDER_WINE=1
# No dialog offering to download Mono or Gecko, which nothing here uses.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# A Chinese Windows, as in the classrooms: Wine takes the system locale, and
# with it the ANSI code page (936) the program's terminal text is in, from
# LC_CTYPE, when the system has such a locale. LC_ALL, where given, wins.
chinese=$(locale -a 2>/dev/null | grep -im1 '^zh_CN' || true)
[ -n "$chinese" ] && export LC_CTYPE=$chinese
limit=${GAOKAO_WINE_TIMEOUT:-900}

windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

make_prefix() {
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    if [ ! -f "$prefix/.ready" ]; then
        rm -rf "$prefix"
        timeout -k 10 "$limit" wine wineboot --init >/dev/null 2>&1 9>&-
        timeout -k 10 "$limit" wine reg add 'HKCU\Software\Wine\Drivers' \
            /v Graphics /d null /f >/dev/null 2>&1 9>&-
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

WINEPATH=""
IFS=: read -ra folders <<<"$dll_folders"
for folder in "${folders[@]}"; do
    WINEPATH+="${WINEPATH:+;}$(windows_path "$folder")"
done
export WINEPATH
export WINEQT_PLUGIN_PATH WINEQT_FORCE_STDERR_LOGGING=1 WINEQT_QPA_FONTDIR='C:\windows\Fonts'
WINEQT_PLUGIN_PATH="$(windows_path "$qt/plugins")"
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
# Wine's own processes (services, devices) started along with the program
# inherit its output and outlive it; were that CTest's pipe, CTest would wait
# for them. So the program writes to a file, which is passed on as it grows.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
timeout -k 10 "$limit" wine "$@" </dev/null >"$log" 2>&1 &
program=$!
tail -s 0.1 --pid=$program -n +1 -f "$log" &
status=0
wait $program || status=$?
wait
exit $status
