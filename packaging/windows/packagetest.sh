# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests of the Windows packages share, sourced by each with its
# arguments BUILD_DIR VERSION APP_ID: a fresh Wine prefix in a folder of its
# own, a virtual display, both gone at the end; fail() to count a failure and
# go on; the packages built. Sets build, version, app_id, source_dir, work,
# failures, package and zip.
set -euo pipefail

build=$(realpath "$1")
version=$2
app_id=$3
source_dir=$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../..
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
source "$source_dir/scripts/virtual-display.sh"
trap cleanup EXIT

# Chinese text in the installers' dialogs: they ask for 宋体 (SimSun), which
# a Wine prefix lacks, and would show empty boxes; a CJK font of the system
# stands in. (wine reg writes no Chinese names: regedit reads them from a
# UTF-16 file.)
chinese_dialog_fonts() {
    local reg=$work/fonts.reg
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
        '"宋体"="Noto Sans CJK SC"' '"SimSun"="Noto Sans CJK SC"' | iconv -t UTF-16 >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1
}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --build "$build" --target windows-packages >"$work/build.log" 2>&1 \
    || { cat "$work/build.log" >&2; echo "FAIL: building windows-packages" >&2; exit 1; }
package=gaokao-countdown-$version
zip=$build/$package-windows-x64.zip
