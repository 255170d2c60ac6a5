#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build tree and runs Debian's lintian on
# it: no error and no warning may remain, except those the package's
# lintian-overrides accepts, each with its reason.
#
#   tests/packaging/test_lintian.sh BUILD_DIR [CPACK]
set -euo pipefail

build=$(realpath "$1")
cpack=${2:-cpack}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
# CPack's own complaints (a bad pattern, a missing file) would otherwise pass unseen.
if grep -iE "CMake (Warning|Error)|Invalid escape" "$work/cpack.log" >&2; then
    echo "FAIL: cpack warned" >&2
    exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb in ${debs[*]}" >&2; exit 1; }

# Infos and pedantic tags are shown, for the record, but do not fail.
lintian --fail-on error,warning --display-info --pedantic --show-overrides "${debs[0]}" \
    && echo "lintian passed" || { echo "FAIL: lintian" >&2; exit 1; }
