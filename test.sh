#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test through CTest: the
# fuzzers for a bounded time, then the test suite once in the release build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build test

status=0
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
    ctest --preset "$preset" --parallel "$(nproc)" || status=1
done
exit $status
