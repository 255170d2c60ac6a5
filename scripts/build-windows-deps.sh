#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the Windows build links, once, from Debian's own source
# packages, with Debian's MinGW-w64, into a cache outside the tree:
#   - Qt for Windows (qt6-base), the modules and plugins the program uses;
#   - ICU's common library with only the GB18030 converter (icu), for the
#     settings file's encoding, since this Qt has no ICU.
# Each is reused while its version and configuration stay the same. Leaves
# <cache>/windows/qt and <cache>/windows/icu pointing at them.
#   GAOKAO_CACHE  cache folder (default: ~/.cache/gaokao-countdown)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" windows >&2
cache="${GAOKAO_CACHE:-$HOME/.cache/gaokao-countdown}"
toolchain="$root/cmake/toolchains/x86_64-w64-mingw32.cmake"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

# apt-get source needs the source lines of the archive the machine already uses.
ensure_source_lines() {
    apt-get source --print-uris "$1" >/dev/null 2>&1 && return
    local list=/etc/apt/sources.list.d/gaokao-countdown-deb-src.sources
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] && [ "$f" != "$list" ] || continue
            awk 'BEGIN { RS = ""; ORS = "\n\n" }
                 /(^|\n)Types:[^\n]*deb( |\n|$)/ && !/deb-src/ {
                     sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
        done
        if [ -f /etc/apt/sources.list ]; then
            grep '^deb ' /etc/apt/sources.list | while read -r _ uri suite components; do
                printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n' \
                    "$uri" "$suite" "$components"
            done
        fi
    } | "${sudo[@]}" tee "$list" >/dev/null
    "${sudo[@]}" apt-get update -qq
}

# Unpacks Debian's source of package $1 at version $2 into $3/source.
unpack_source() {
    ensure_source_lines "$1=$2"
    rm -rf "$3"
    mkdir -p "$3"
    (cd "$3" && apt-get source -qq --download-only "$1=$2" >&2 &&
        dpkg-source --no-check -x ./*.dsc source >/dev/null)
}

# Is the build in $1 the one stamped $2?
is_built() { [ -f "$1/.built" ] && [ "$(cat "$1/.built")" = "$2" ]; }

# The host Qt runs moc, rcc and uic for the Windows one, so the versions match.
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)" # 6.4.2+dfsg-10
qt_prefix="$cache/qt-${qt_version%%+*}-x86_64-w64-mingw32"
# The modules the program and its tests use (Network for the local socket
# that keeps one copy per settings folder), the windows platform plugin and
# the image formats a background picture may have; nothing else.
qt_features=(
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF
    -DFEATURE_network=ON -DFEATURE_localserver=ON -DFEATURE_testlib=ON -DFEATURE_concurrent=ON
    -DFEATURE_widgets=ON -DFEATURE_gui=ON
    # Of the network module only the local socket is used: no HTTP or DNS. (TLS
    # stays: without it 6.4.2 still builds its TLS plugins, and they fail.)
    -DFEATURE_http=OFF -DFEATURE_dnslookup=OFF -DFEATURE_networkdiskcache=OFF
    # No Markdown, ODF or PDF is read or written. (FreeType stays: the tests'
    # offscreen platform is built only with it.)
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_pdf=OFF
    -DFEATURE_gif=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_png=ON
    # Debian's source leaves out wintab.h.
    -DFEATURE_tabletevent=OFF
    # Without direct2d 6.4.2 does not link; its 1.1 part needs headers MinGW lacks.
    -DFEATURE_direct2d1_1=OFF
    # Without OpenGL, the windows plugin still asks for it where this is on.
    -DFEATURE_dynamicgl=OFF
)
compiler="$(x86_64-w64-mingw32-g++-posix -dumpfullversion)"
qt_stamp="$qt_version ${qt_features[*]} mingw-g++ $compiler"
if ! is_built "$qt_prefix" "$qt_stamp"; then
    work="$cache/qt-src"
    unpack_source qt6-base "$qt_version" "$work"
    rm -rf "$qt_prefix"
    start=$SECONDS
    cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        "${qt_features[@]}" >&2
    cmake --build "$work/build" --parallel "$(nproc)" >&2
    cmake --install "$work/build" >/dev/null
    echo "$qt_stamp" >"$qt_prefix/.built"
    echo "Qt for Windows built in $(((SECONDS - start) / 60)) min: $qt_prefix" >&2
    rm -rf "$work"
fi

# ICU of the same Debian version as the Linux Qt's, so that both write the
# same bytes. Its prebuilt data is cut down to the converter with Debian's
# own ICU tools and linked in.
icu_version="$(dpkg-query -W -f='${Version}' icu-devtools)" # 72.1-3+deb12u1
icu_major="${icu_version%%.*}"
icu_prefix="$cache/icu-${icu_version%%-*}-x86_64-w64-mingw32"
icu_recipe="$root/cmake/windows-icu/CMakeLists.txt"
icu_stamp="$icu_version mingw-g++ $compiler $(sha256sum "$icu_recipe" | cut -c1-16)"
if ! is_built "$icu_prefix" "$icu_stamp"; then
    work="$cache/icu-src"
    unpack_source icu "$icu_version" "$work"
    rm -rf "$icu_prefix"
    start=$SECONDS
    data="$work/data"
    mkdir -p "$data"
    for item in gb18030.cnv cnvalias.icu; do
        icupkg -x "$item" -d "$data" "$work/source/source/data/in/icudt${icu_major}l.dat"
    done
    printf 'gb18030.cnv\ncnvalias.icu\n' >"$data/items.txt"
    icupkg -tl -s "$data" -a "$data/items.txt" new "$data/icudt${icu_major}l.dat"
    genccode -q --skip-dll-export -d "$data" "$data/icudt${icu_major}l.dat"
    # ICU looks for its data under this name when linked in.
    sed -i "s/icudt${icu_major}l_dat/icudt${icu_major}_dat/" "$data/icudt${icu_major}l_dat.c"
    cmake -S "$root/cmake/windows-icu" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$icu_prefix" \
        -DICU_SOURCE="$work/source/source" -DICU_DATA_C="$data/icudt${icu_major}l_dat.c" >&2
    cmake --build "$work/build" --parallel "$(nproc)" >&2
    cmake --install "$work/build" >/dev/null
    echo "$icu_stamp" >"$icu_prefix/.built"
    echo "ICU for Windows built in $(((SECONDS - start) / 60)) min: $icu_prefix" >&2
    rm -rf "$work"
fi

# Qt's own Chinese texts are the same files on every platform: Debian's,
# where the Windows Qt looks for them (the tests use them from there).
mkdir -p "$qt_prefix/translations"
cp /usr/share/qt6/translations/{qt,qtbase}_zh_CN.qm "$qt_prefix/translations/"

mkdir -p "$cache/windows"
ln -sfn "$qt_prefix" "$cache/windows/qt"
ln -sfn "$icu_prefix" "$cache/windows/icu"
echo "$cache/windows"
