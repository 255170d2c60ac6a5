#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build tree, unpacks it, checks that every
# file is where the desktop entry, the icon theme and AppStream look for it,
# and starts the unpacked program offscreen: it must come up and tick.
#
#   tests/packaging/test_package.sh BUILD_DIR APP_ID CPACK ICON_SIZES
#
# ICON_SIZES: the sizes of the icon in the theme, CMake's GAOKAO_ICON_SIZES
# (separated by semicolons or blanks).
set -euo pipefail

build=$(realpath "$1")
app_id=$2
cpack=$3
icon_sizes=$4
work=$(mktemp -d)
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The package, built into the temporary folder so the build tree stays clean.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb in ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

# Its dependencies: the Qt libraries found by dpkg-shlibdeps, Qt's
# translations, and the fonts.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for wanted in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-translations-l10n \
    "fonts-noto-cjk | fonts-wqy-zenhei" "fonts-lxgw-wenkai | fonts-arphic-ukai" fonts-hosny-amiri; do
    case ", $depends," in
        *", $wanted"[\ ,]*) ;;
        *) fail "Depends lacks $wanted" ;;
    esac
done
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[ "$maintainer" = "The gaokao-countdown developers <gkcd@example.org>" ] \
    || fail "Maintainer is $maintainer, not a name and the contact address"

root=$work/root
dpkg-deb -x "$deb" "$root"
expect_file() {
    [ -f "$root/$1" ] || fail "missing $1"
}
expect_file usr/bin/gaokao-countdown
[ -x "$root/usr/bin/gaokao-countdown" ] || fail "usr/bin/gaokao-countdown is not executable"
# Nothing starts by itself: a login entry for everyone is the administrator's (--autostart=all).
for starter in etc usr/lib/systemd lib/systemd; do
    [ ! -e "$root/$starter" ] || fail "the package ships $starter"
done
desktop=usr/share/applications/$app_id.desktop
expect_file "$desktop"
metainfo=usr/share/metainfo/$app_id.metainfo.xml
expect_file "$metainfo"
for size in ${icon_sizes//;/ }; do
    png=usr/share/icons/hicolor/${size}x${size}/apps/gaokao-countdown.png
    expect_file "$png"
    # The theme folder says the size: the picture must have it.
    if [ -f "$root/$png" ]; then
        actual=$(file -b "$root/$png" | grep -o '[0-9]* x [0-9]*' || true)
        [ "$actual" = "$size x $size" ] || fail "$png is $actual, not $size x $size"
    fi
done
expect_file usr/share/icons/hicolor/scalable/apps/gaokao-countdown.svg
expect_file usr/share/doc/gaokao-countdown/copyright
expect_file usr/share/man/man1/gaokao-countdown.1.gz
expect_file usr/share/man/zh_CN/man1/gaokao-countdown.1.gz
# What the manual pages point to under SEE ALSO is in the package.
for page in usr/share/man/man1/gaokao-countdown.1.gz usr/share/man/zh_CN/man1/gaokao-countdown.1.gz; do
    [ -f "$root/$page" ] || continue
    named=$(zcat "$root/$page" | sed -n '/^\.SH \(SEE ALSO\|参见\)/,$p' | grep -o '/usr/[^ ]*' | sed 's/\\-/-/g' || true)
    [ -n "$named" ] || fail "$page names no file under SEE ALSO"
    for file in $named; do
        [ -e "$root$file" ] || fail "$page names $file under SEE ALSO, which the package lacks"
    done
done
# The changelog's newest entry is the package's version.
changelog=$root/usr/share/doc/gaokao-countdown/changelog.gz
if [ -f "$changelog" ]; then
    newest=$(zcat "$changelog" | sed -n '1s/^gaokao-countdown (\([^)]*\)).*/\1/p')
    [ "$newest" = "$(dpkg-deb -f "$deb" Version)" ] || fail "changelog's newest entry is $newest"
else
    fail "missing usr/share/doc/gaokao-countdown/changelog.gz"
fi

# The user's guide, where 关于's 使用说明 looks for it from the program, and
# every link and picture of its web pages leading to a file and heading there.
doc=usr/share/doc/gaokao-countdown
for page in README.md README.en.md docs/admin.zh.md docs/admin.en.md README.html; do
    expect_file "$doc/$page"
done
python3 - "$root/$doc" <<'CHECK' || fail "the guide's web pages have broken links"
import re, sys
from pathlib import Path
root = Path(sys.argv[1])
for page in root.rglob("*.html"):
    text = page.read_text(encoding="utf-8")
    for address in re.findall(r'(?:href|src)="([^"]+)"', text):
        name, _, anchor = address.partition("#")
        target = (page.parent / name) if name else page
        if not target.is_file() or (anchor and f'id="{anchor}"' not in target.read_text(encoding="utf-8", errors="replace")):
            print(f"{page.relative_to(root)}: {address} leads nowhere", file=sys.stderr)
            sys.exit(1)
CHECK

# Removing the package takes away the login entry for every user that starts
# its program, and only that one; an upgrade keeps it.
dpkg-deb -e "$deb" "$work/control"
autostart=$work/dpkg-root/etc/xdg/autostart
mkdir -p "$autostart"
for case in "remove /usr/bin/gaokao-countdown --settings-dir /srv/gaokao:gone" \
    "remove /usr/bin/gaokao-countdown:gone" "purge /usr/bin/gaokao-countdown:gone" \
    "upgrade /usr/bin/gaokao-countdown:kept" "remove /usr/local/bin/gaokao-countdown:kept" \
    "remove /usr/bin/gaokao-countdown-old:kept"; do
    action=${case%% *} exec_line=${case#* } expected=${case##*:}
    exec_line=${exec_line%:*}
    printf '[Desktop Entry]\nType=Application\nExec=%s\n' "$exec_line" >"$autostart/$app_id.desktop"
    DPKG_ROOT=$work/dpkg-root "$work/control/postrm" "$action" || fail "postrm $action failed"
    [ -e "$autostart/$app_id.desktop" ] && outcome=kept || outcome=gone
    [ "$outcome" = "$expected" ] || fail "postrm $action: an entry starting $exec_line was $outcome"
done

# The entry names what the package holds: its program and its icon.
if [ -f "$root/$desktop" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$root/$desktop")
    [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not in usr/bin"
    icon=$(sed -n 's/^Icon=//p' "$root/$desktop")
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not installed"
fi
# Validated where they are installed: the metainfo's launchable must name
# the installed entry.
if ! desktop-file-validate "$root/$desktop" >"$work/validate-desktop.log" 2>&1 \
    || grep -qE ': (warning|error): ' "$work/validate-desktop.log"; then
    cat "$work/validate-desktop.log" >&2
    fail "desktop-file-validate"
fi
appstreamcli validate-tree --no-net "$root" >"$work/validate-tree.log" 2>&1 \
    || { cat "$work/validate-tree.log" >&2; fail "appstreamcli validate-tree"; }
# The metainfo's newest release is the package's version.
if [ -f "$root/$metainfo" ]; then
    release=$(grep -o '<release version="[^"]*"' "$root/$metainfo" | head -n 1 | cut -d'"' -f2)
    version=$(dpkg-deb -f "$deb" Version)
    [ "$release" = "$version" ] || fail "metainfo release $release, package version $version"
fi

# The unpacked program, started offscreen with an empty home, must still run
# after two seconds, have made its settings file and have ticked.
home=$work/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="gaokao.tick.debug=true" QT_FORCE_STDERR_LOGGING=1 \
    "$root/usr/bin/gaokao-countdown" >"$work/program.log" 2>&1 &
program_pid=$!
sleep 2
if kill -0 "$program_pid" 2>/dev/null; then
    echo "running after 2 s"
else
    wait "$program_pid" && status=0 || status=$?
    program_pid=""
    fail "the program ended within 2 s, status $status"
fi
[ -f "$home/config/VEKTemp/data.txt" ] || fail "no settings file $home/config/VEKTemp/data.txt"
ticks=$(grep -c 'gaokao.tick' "$work/program.log" || true)
echo "ticks: $ticks"
[ "$ticks" -ge 1 ] || fail "no tick within 2 s"
if [ "$failures" -ne 0 ]; then
    echo "--- program output ---" >&2
    cat "$work/program.log" >&2
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "package test passed"
