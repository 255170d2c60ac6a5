#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs for a purpose, only those
# still missing. Usage: scripts/install-deps.sh build|run|package|test|screenshots|bench|windows
set -euo pipefail

build=(cmake ninja-build g++ pkg-config qt6-base-dev libbenchmark-dev
       fonts-noto-cjk fonts-wqy-zenhei fonts-arphic-ukai fonts-arphic-uming fonts-lxgw-wenkai
       fonts-hosny-amiri)
# Qt's own texts (buttons, the file chooser) in Chinese.
run=(xvfb xauth imagemagick x11-utils qt6-translations-l10n)
test=(xvfb xauth x11-xserver-utils xdotool imagemagick python3 clang-14 libclang-rt-14-dev
      desktop-file-utils libglib2.0-bin appstream dpkg-dev file dbus-daemon at-spi2-core
      qt6-translations-l10n lintian reuse openbox x11-utils man-db groff-base locales
      python3-markdown)
# The Debian package: dpkg-shlibdeps finds the libraries it depends on, and
# python3-markdown makes the user's guide it carries.
package=(dpkg-dev file python3-markdown)
screenshots=(xvfb xauth imagemagick xdotool x11-utils openbox xcompmgr hsetroot faketime)
bench=(xvfb xauth libx11-dev x11-apps x11-utils)
# Cross-building for Windows, testing under Wine, the installer and the MSI
# (and the user's guide they carry); faketime gives the MSI the source's time,
# and diffoscope-minimal (under 1 MB) says where two packages differ.
windows=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev icu-devtools wine wine64
         nsis wixl msitools zip unzip xvfb xauth x11-utils xdotool imagemagick openbox fonts-noto-cjk fonts-wine
         fonts-hosny-amiri qt6-translations-l10n python3-markdown faketime diffoscope-minimal)

wanted=("${build[@]}")
for purpose in "$@"; do
    case "$purpose" in
        build) ;;
        run) wanted+=("${run[@]}") ;;
        package) wanted+=("${package[@]}") ;;
        test) wanted+=("${test[@]}") ;;
        screenshots) wanted+=("${screenshots[@]}") ;;
        bench) wanted+=("${bench[@]}") ;;
        windows) wanted+=("${windows[@]}") ;;
        *) echo "unknown purpose: $purpose" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
