#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows once, from Debian's own qt6-base source package,
# with Debian's MinGW-w64, into a cache outside the tree; prints its prefix.
# Reused while the host Qt's version and this configuration stay the same.
#   GAOKAO_CACHE  cache folder (default: ~/.cache/gaokao-countdown)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" windows >&2

# The host Qt runs moc, rcc and uic for the Windows one, so the versions match.
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)" # 6.4.2+dfsg-10
upstream="${version%%+*}"
cache="${GAOKAO_CACHE:-$HOME/.cache/gaokao-countdown}"
prefix="$cache/qt-$upstream-x86_64-w64-mingw32"

# The modules the program and its tests use, the windows platform plugin and
# the image formats a background picture may have; nothing else.
features=(
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_sql_sqlite=OFF
    -DFEATURE_network=ON -DFEATURE_testlib=ON -DFEATURE_concurrent=ON
    -DFEATURE_widgets=ON -DFEATURE_gui=ON
    -DFEATURE_gif=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_png=ON
    # Debian's source leaves out wintab.h.
    -DFEATURE_tabletevent=OFF
    # Without direct2d 6.4.2 does not link; its 1.1 part needs headers MinGW lacks.
    -DFEATURE_direct2d1_1=OFF
)
stamp="$version ${features[*]} $(sha256sum "$root/cmake/toolchains/x86_64-w64-mingw32.cmake" | cut -c1-16)"
if [ -f "$prefix/.built" ] && [ "$(cat "$prefix/.built")" = "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

# apt-get source needs the source lines of the archive the machine already uses.
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
    list=/etc/apt/sources.list.d/gaokao-countdown-deb-src.sources
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] && [ "$f" != "$list" ] || continue
            awk 'BEGIN { RS = ""; ORS = "\n\n" }
                 /(^|\n)Types:[^\n]*deb( |\n|$)/ && !/deb-src/ {
                     sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
        done
        if [ -f /etc/apt/sources.list ]; then
            sed -n 's/^deb \(.*debian.*\)/Types: deb-src\nURIs: \1\n/p' /etc/apt/sources.list |
                awk '/^URIs:/ { split($0, w, " "); printf "URIs: %s\nSuites: %s\nComponents:", w[2], w[3];
                                for (i = 4; i <= length(w); i++) printf " %s", w[i]; print ""; next } { print }'
        fi
    } | "${sudo[@]}" tee "$list" >/dev/null
    "${sudo[@]}" apt-get update -qq
fi

work="$cache/qt-src"
rm -rf "$work" "$prefix"
mkdir -p "$work"
(cd "$work" && apt-get source -qq --download-only "qt6-base=$version" >&2 &&
    dpkg-source --no-check -x qt6-base_*.dsc source >/dev/null)

start=$SECONDS
cmake -S "$work/source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/x86_64-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DBUILD_WITH_PCH=OFF "${features[@]}" >&2
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >/dev/null
echo "$stamp" >"$prefix/.built"
echo "Qt for Windows built in $(((SECONDS - start) / 60)) min: $prefix" >&2
rm -rf "$work"
echo "$prefix"
