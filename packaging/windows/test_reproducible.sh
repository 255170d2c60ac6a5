#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The packages are the same bytes however often they are made: the Windows
# packages of a Windows build as it made them, against the same made again in
# another folder, a day later (faketime), in another time zone and under
# another umask; and the Debian package of a Linux build (as ./test.sh leaves
# it) made twice so, but for the umask. On a difference diffoscope says
# where. No package holds the path of the source or a build folder, the one
# thing a build of the program in another folder would change
# (scripts/release.sh builds afresh).
#
#   packaging/windows/test_reproducible.sh WINDOWS_BUILD LINUX_BUILD PACK_ARGUMENTS...
set -euo pipefail
windows=$(realpath "$1")
linux=$(realpath "$2")
shift 2
source_dir=$(cd "$(dirname "$(realpath "$0")")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -f "$linux/CPackConfig.cmake" ] \
    || { echo "FAIL: no Linux build in $linux (./test.sh makes it)" >&2; exit 1; }
cmake --build "$windows" --target windows-packages >"$work/build.log" 2>&1 \
    || { cat "$work/build.log" >&2; echo "FAIL: building windows-packages" >&2; exit 1; }
# The time the build's packages were made with (a later commit that
# changed nothing in them left them as they were).
SOURCE_DATE_EPOCH=$(cat "$windows/packaging/windows/source-date.txt")
export SOURCE_DATE_EPOCH

# make_packages FOLDER TZ UMASK [TIME_SHIFT]: the packages into FOLDER (the
# Windows ones only with a shift of time).
pack=("$@")
make_packages() {
    local folder=$1 zone=$2 mask=$3 shifted=()
    # The clock only, not the files' times (which faketime shifts too).
    [ $# -lt 4 ] || shifted=(env NO_FAKE_STAT=1 faketime -f "$4")
    mkdir -p "$folder/windows"
    (
        umask "$mask"
        export TZ=$zone
        if [ $# -eq 4 ]; then
            "${shifted[@]}" cmake "${pack[@]}" -DWORK="$folder/windows" -DOUT="$folder" \
                -P "$source_dir/packaging/windows/pack.cmake" >"$folder/pack.log" 2>&1
        fi
        # CPack's own folders and the .deb's members take the umask's modes:
        # scripts/release.sh makes it with 022.
        umask 022
        "${shifted[@]}" cpack -G DEB --config "$linux/CPackConfig.cmake" -B "$folder/deb" \
            >"$folder/cpack.log" 2>&1
        mv "$folder"/deb/*.deb "$folder"
    ) || { cat "$folder"/*.log >&2; echo "FAIL: making the packages in $folder" >&2; exit 1; }
}
start=$SECONDS
make_packages "$work/first" Asia/Shanghai 022
cp "$windows"/gaokao-countdown-*-windows-x64* "$work/first/"
make_packages "$work/second/elsewhere" America/Los_Angeles 077 +25h
echo "made the packages again in $((SECONDS - start)) s"

failures=0
for file in "$work"/first/*.deb "$work"/first/*.zip "$work"/first/*.exe "$work"/first/*.msi; do
    name=$(basename "$file")
    other=$work/second/elsewhere/$name
    if cmp -s "$file" "$other"; then
        echo "same: $name $(sha256sum <"$file" | cut -c1-64)"
        continue
    fi
    echo "FAIL: $name differs" >&2
    failures=$((failures + 1))
    if command -v diffoscope >/dev/null; then
        diffoscope --no-progress --text - "$file" "$other" 2>&1 | head -n 60 >&2 || true
    else
        cmp "$file" "$other" | head -n 5 >&2 || true
    fi
done

# No path of this machine's folders in what is packaged.
mkdir "$work/unpacked"
dpkg-deb -x "$work"/first/*.deb "$work/unpacked/deb"
unzip -q "$work"/first/*.zip -d "$work/unpacked/zip"
for path in "$source_dir" "$windows" "$linux"; do
    if leaks=$(grep -rlaF "$path" "$work/unpacked"); then
        echo "FAIL: $path is in ${leaks//$work\/unpacked\//}" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "every package made twice is the same bytes"
exit $((failures > 0))
