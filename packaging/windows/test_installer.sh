#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows packages of a windows build tree, then tries the
# installer under Wine in a fresh prefix: it refuses a Windows older than 10
# 1607 and warns on 1607, installs silently with the files, shortcuts, Uninstall key and login
# entry in place, the program starts, an installation over the running
# program ends it first, and the silent uninstall removes all of it but never
# the settings; each step in the installer's log.
#
#   packaging/windows/test_installer.sh BUILD_DIR VERSION APP_ID
set -euo pipefail

source "$(dirname "$(realpath "$0")")/packagetest.sh"
setup=$build/$package-windows-x64-setup.exe
# (grep -q would stop reading early, and unzip fail on the broken pipe.)
unzip -Z1 "$zip" | grep -x "$package/gaokao-countdown.exe" >/dev/null \
    || fail "$zip lacks $package/gaokao-countdown.exe"

# The program on the virtual display, through Qt's Windows plugin.
unset QT_QPA_PLATFORM
start_virtual_display 1024x768x24
wineboot -i >/dev/null 2>&1
chinese_dialog_fonts
drive_c=$WINEPREFIX/drive_c
app=$drive_c/Program\ Files/gaokao-countdown
start_menu=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/高考倒计时.lnk
desktop=$drive_c/users/Public/Desktop/高考倒计时.lnk
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gaokao-countdown'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

# What the installer wrote to its log beside it (UTF-16), since `since`.
setup_log=$build/gaokao-countdown-setup.log
logged() { iconv -f UTF-16 -t UTF-8 "$setup_log" 2>/dev/null | tr -d '\r' | tail -n "+$1"; }
log_lines() { logged 1 | wc -l; }
rm -f "$setup_log"

# A new prefix says Windows 7: the installer refuses, also when silent, and
# says why in its log.
status=0
wine "$setup" /S || status=$?
wineserver -w
[ "$status" -eq 2 ] || fail "on Windows 7 the installer ended with $status, not 2"
[ ! -e "$app" ] || fail "on Windows 7 the installer installed"
logged 1 | grep '太旧了，无法安装' >/dev/null || fail "the refusal is not in the log: $(logged 1)"

# Windows 10 1607, as on classroom boards: a warning, which a silent
# installation writes to the log, and goes on.
wine winecfg /v win10
current='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
for value in CurrentBuild CurrentBuildNumber; do
    wine reg add "$current" /v $value /d 14393 /f >/dev/null 2>&1
done
since=$(($(log_lines) + 1))
wine "$setup" /S /AUTOSTART || fail "the silent install on 1607 ended with $?"
wineserver -w
logged "$since" | grep '未在此版本的 Windows 上测试过（内部版本 14393' >/dev/null \
    || fail "no warning for build 14393 in the log: $(logged "$since")"
wine winecfg /v win10
for file in gaokao-countdown.exe uninstall.exe Qt6Core.dll platforms/qwindows.dll \
    translations/qtbase_zh_CN.qm LICENSE policies/gaokao-countdown.admx \
    policies/zh-CN/gaokao-countdown.adml policies/en-US/gaokao-countdown.adml \
    使用说明.html docs/admin.zh.html docs/screenshot-main.png; do
    [ -f "$app/$file" ] || fail "not installed: $file"
done
[ -f "$start_menu" ] || fail "no shortcut in the Start menu"
[ -f "$desktop" ] || fail "no shortcut on the desktop"
values=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' || true)
for value in DisplayName DisplayVersion Publisher UninstallString QuietUninstallString \
    DisplayIcon EstimatedSize; do
    grep -q "^ *$value " <<<"$values" || fail "the Uninstall key lacks $value"
done
grep -q "DisplayVersion *REG_SZ *$version\$" <<<"$values" || fail "DisplayVersion is not $version"
exe='"C:\Program Files\gaokao-countdown\gaokao-countdown.exe"'
wine reg query "$run_key" /v "$app_id" 2>/dev/null | tr -d '\r' | grep -qF "$exe" \
    || fail "/AUTOSTART left no login entry $exe"

status=0
timeout 30 wine "$app/gaokao-countdown.exe" --version >"$work/version.txt" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the installed program ended with $status on --version"
grep -q "^gaokao-countdown $version" "$work/version.txt" \
    || fail "--version wrote: $(cat "$work/version.txt")"
# Started plainly it shows its window, through the plugins beside it: a
# window at least 640 pixels wide, not the small box in which Qt says that a
# plugin is missing.
wine "$app/gaokao-countdown.exe" >/dev/null 2>&1 &
shown=""
for _ in $(seq 60); do
    shown=$(xwininfo -root -tree | grep -F '("gaokao-countdown.exe"' \
        | grep -oE ' [0-9]+x[0-9]+\+' | awk -Fx '$1 >= 640' || true)
    [ -n "$shown" ] && break
    sleep 0.5
done
[ -n "$shown" ] || fail "the installed program showed no window"
# It wrote the default settings file for everyone, in the bytes the Linux
# program writes (the first line is the time of writing), and it ticks.
data=$drive_c/Program\ Files/VEKTemp/data.txt
for _ in $(seq 20); do [ -s "$data" ] && break; sleep 0.5; done
expected=$({
    printf '2014-6-7 9:00:00\r\n'
    printf '\xe3\xe5\xdc\xc6\xd6\xd0\xd1\xa7\xb8\xdf\xbf\xbc\xea\xd7\xbf\xcc\xc8\xed\xbc\xfe\r\n'
    printf '\xbe\xe0\x32\x30\x31\x34\xc4\xea\xb8\xdf\xbf\xbc\x20\xbb\xb9\x20\xd3\xd0\x20\xa3\xba\r\n'
} | od -An -tx1 | tr -d ' \n')
[ "$(tail -n +2 "$data" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "$expected" ] \
    || fail "data.txt is not the default settings file: $(od -c "$data" 2>&1 | head -5)"
window=$(xwininfo -root -tree | grep -F '("gaokao-countdown.exe"' | awk '{ print $1 }' | head -1)
import -window "$window" "$work/tick1.png" 2>/dev/null || true
sleep 2
import -window "$window" "$work/tick2.png" 2>/dev/null || true
[ -s "$work/tick1.png" ] && ! cmp -s "$work/tick1.png" "$work/tick2.png" \
    || fail "the window did not change in two seconds"

# Installed again over the running program: it is asked to save and end
# first, and does.
pid=$(pgrep -f 'gaokao-countdown\.exe$' | head -1 || true)
since=$(($(log_lines) + 1))
wine "$setup" /S || fail "installing over the running program ended with $?"
wineserver -w
[ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null || fail "the program still runs after the installation"
logged "$since" | grep '（--quit），退出码 0。' >/dev/null \
    || fail "the running program was not asked to end: $(logged "$since")"
logged "$since" | grep '已安装到' >/dev/null || fail "the second installation is not in the log"
wineserver -k 2>/dev/null || true
wineserver -w

# Settings of the program for everyone and of the user: they stay.
settings=("$drive_c/Program Files/VEKTemp/data.txt"
    "$drive_c/users/$(id -un)/AppData/Local/VirtualStore/Program Files/VEKTemp/data.txt")
for file in "${settings[@]}"; do
    mkdir -p "$(dirname "$file")"
    echo settings >"$file"
done
wine "$app/uninstall.exe" /S || fail "the silent uninstall ended with $?"
# The uninstaller runs on from a copy of itself: wait for it.
wineserver -w
[ ! -e "$app" ] || fail "left behind: $(find "$app" | head -5)"
[ ! -e "$start_menu" ] || fail "the Start menu shortcut stays"
[ ! -e "$desktop" ] || fail "the desktop shortcut stays"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the Uninstall key stays"
wine reg query "$run_key" /v "$app_id" >/dev/null 2>&1 && fail "the login entry stays"
for file in "${settings[@]}"; do
    [ "$(cat "$file" 2>/dev/null)" = settings ] || fail "the uninstaller removed $file"
done

# Each page of the installer as a user goes through it, pressing Enter, for
# a person to look at: installer-pages/1.png to 6.png in the build folder
# (welcome, licence, components, folder, finished, and the program the last
# page starts).
pages=$build/installer-pages
rm -rf "$pages"
mkdir -p "$pages"
wine "$setup" >/dev/null 2>&1 &
for page in 1 2 3 4 5 6; do
    sleep 4
    import -window root "$pages/$page.png" 2>/dev/null || fail "no picture of page $page"
    xdotool key Return
done
sleep 2
[ -f "$app/gaokao-countdown.exe" ] || fail "going through the installer's pages did not install"
wineserver -k 2>/dev/null || true
wineserver -w

[ "$failures" -eq 0 ] && echo "the installer installs, starts and uninstalls under Wine"
exit $((failures > 0))
