#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test through CTest: the
# fuzzers for a bounded time, then the test suite once in the release build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
#   --windows  then also for Windows: builds Qt for Windows once (about half an
#              hour the first time), cross-builds the program and its tests,
#              makes the zip and the installer in build/windows/, and runs the
#              tests under Wine.
set -euo pipefail
cd "$(dirname "$0")"
windows=false
for arg in "$@"; do
    case "$arg" in
        --windows) windows=true ;;
        *) echo "usage: $0 [--windows]" >&2; exit 2 ;;
    esac
done
scripts/install-deps.sh build test

status=0
# Most tests wait (for X, Wine, timers) more than they compute: two more run
# than there are processors. The fuzzers compute all the time.
tests_at_once=$(($(nproc) + 2))
# The fuzzers first, a bounded run each; they need clang.
if command -v clang++-14 >/dev/null; then
    echo "== fuzz =="
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    ctest --preset fuzz --parallel "$(nproc)" || status=1
fi
for preset in release asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" --parallel "$tests_at_once" || status=1
done
if $windows; then
    echo "== windows =="
    deps="$(scripts/build-windows-deps.sh)"
    cmake --preset windows -DGAOKAO_WINDOWS_DEPS="$deps" >/dev/null
    cmake --build --preset windows
    cmake --build --preset windows --target windows-packages
    ctest --preset windows --parallel "$tests_at_once" || status=1
fi
exit $status
