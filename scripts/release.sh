#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release of the checked-out commit in dist/: the source archive, the
# Debian package, the Windows zip, installer and MSI, and SHA256SUMS. Every
# package is built afresh from the source archive, so it holds exactly what
# the archive holds, and with the commit's time as SOURCE_DATE_EPOCH: the
# same commit gives the same bytes in any folder, at any time (the MSI too,
# with faketime). Installs what is missing and reuses Qt for Windows as
# ./test.sh --windows does; runs no tests (./test.sh --windows does).
# A tree with uncommitted changes is released as it is, with a version that
# says so (1.0.0+dirty.1a2b3c4), from an archive that holds the changes.
#   GAOKAO_RELEASE_WORK  where it builds (default: build/release-work)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh build package windows

project_version=$(sed -n 's/^project(gaokao-countdown VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
version=$project_version
commit=HEAD
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    commit=$(git stash create)
    version=$version+dirty.$(git rev-parse --short HEAD)
    echo "Uncommitted changes: this is $version, not a release" >&2
fi
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH
# CPack gives the .deb's members and its own folders the umask's modes.
umask 022
name=gaokao-countdown-$version
work=${GAOKAO_RELEASE_WORK:-$root/build/release-work}
dist=$root/dist
rm -rf "$work" "$dist"
mkdir -p "$work" "$dist"

git archive --format=tar --prefix="$name/" "$commit" | gzip -9n >"$dist/$name.tar.gz"
tar -xzf "$dist/$name.tar.gz" -C "$work"
source=$work/$name

echo "== Debian package =="
(cd "$source" && cmake --preset package -B "$work/deb" >/dev/null)
nice cmake --build "$work/deb"
cpack -G DEB --config "$work/deb/CPackConfig.cmake" -B "$work/deb-out" \
    -D CPACK_DEBIAN_PACKAGE_VERSION="$version" >/dev/null
mv "$work"/deb-out/*.deb "$dist/"

echo "== Windows packages =="
deps="$(scripts/build-windows-deps.sh)"
(cd "$source" && cmake --preset windows -B "$work/windows" -DGAOKAO_WINDOWS_DEPS="$deps" \
    -DGAOKAO_BUILD_TESTS=OFF >/dev/null)
nice cmake --build "$work/windows" --target windows-packages
for file in "$work"/windows/gaokao-countdown-*-windows-x64*; do
    base=$(basename "$file")
    mv "$file" "$dist/$name${base#gaokao-countdown-"$project_version"}"
done

cd "$dist"
sha256sum -- * >SHA256SUMS
echo "== made in $dist =="
cat SHA256SUMS
