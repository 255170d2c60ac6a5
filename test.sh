#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest: once in
# the release build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh build test

status=0
for preset in release asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" --parallel "$(nproc)" || status=1
done
exit $status
