#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows packages of a windows build tree, then tries the MSI
# under Wine's msiexec in a fresh prefix, as a school's deployment would: it
# refuses a switch that is not 0 or 1, installs silently the same files as
# the zip with the Start-menu shortcut, the program starts from there and
# writes its settings, and keeps running until the next MSI asks it to end;
# the properties arrive as the policy values and the
# login entry; a rebuilt and a newer MSI replace the installed one, an older
# one is refused; the silent uninstall removes all of it but never the
# settings.
#
#   packaging/windows/test_msi.sh BUILD_DIR VERSION APP_ID
set -euo pipefail

source "$(dirname "$(realpath "$0")")/packagetest.sh"
msi=$build/$package-windows-x64.msi

# msiexec ends when the installation has ended; its status is the MSI's.
wine_msiexec() {
    local status=0
    wine msiexec "$@" >/dev/null 2>&1 || status=$?
    wineserver -w
    return "$status"
}

unset QT_QPA_PLATFORM
start_virtual_display 1024x768x24
wineboot -i >/dev/null 2>&1
chinese_dialog_fonts
wine winecfg /v win10
drive_c=$WINEPREFIX/drive_c
app=$drive_c/Program\ Files/gaokao-countdown
# Wine's msiexec puts an all-users installation's Start-menu shortcut in the
# user's Start menu (Windows: in everyone's).
start_menu=$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/高考倒计时.lnk
policies='HKLM\Software\Policies\gaokao-countdown'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
settings=("$drive_c/Program Files/VEKTemp/data.txt"
    "$drive_c/users/$(id -un)/AppData/Local/VirtualStore/Program Files/VEKTemp/data.txt"
    "$drive_c/users/$(id -un)/AppData/Local/gaokao-countdown/gaokao-countdown.ini"
    "$drive_c/ProgramData/gaokao-countdown/gaokao-countdown.ini")

# The products in Programs and Features, but those Wine comes with.
product_codes() {
    { wine reg query "$uninstall_key" 2>/dev/null || true; } | tr -d '\r' \
        | { grep -oE '\{[0-9A-F-]{36}\}' || true; } | sort | comm -23 - <(echo "$wines")
}
wines=""
wines=$(product_codes)

wine_msiexec /i "$msi" /qn LOCKED=yes && fail "LOCKED=yes was accepted"
[ ! -e "$app" ] || fail "with LOCKED=yes the MSI installed"
wine_msiexec /i "$msi" /qn 'INSTALLDIR=C:\Program Files\VEKTemp' \
    && fail "the MSI installed into the settings folder"

# Plainly: the zip's files, the shortcut, no policy and no login entry.
wine_msiexec /i "$msi" /qn || fail "the silent install ended with $?"
diff <(unzip -Z1 "$zip" | grep -v '/$' | sed "s|^$package/||" | sort) \
    <(cd "$app" && find . -type f | sed 's|^\./||' | sort) >"$work/files.diff" \
    || fail "not the zip's files: $(head -5 "$work/files.diff")"
[ -f "$start_menu" ] || fail "no shortcut 高考倒计时 in the Start menu"
wine reg query "$policies" >/dev/null 2>&1 && fail "policy values without properties"
wine reg query "$run_key" /v "$app_id" >/dev/null 2>&1 && fail "a login entry without AUTOSTART"
# (wine reg writes no Chinese: the registry's file, as Wine keeps it.)
grep -qF '"DisplayName"="\x9ad8\x8003\x5012\x8ba1\x65f6"' "$WINEPREFIX/system.reg" \
    || fail "Programs and Features does not name 高考倒计时"

# Started from there it writes the default settings file for everyone.
data=${settings[0]}
(wine "$app/gaokao-countdown.exe" >/dev/null 2>&1 &)
for _ in $(seq 60); do [ -s "$data" ] && break; sleep 0.5; done
[ -s "$data" ] || fail "the installed program wrote no $data"
# It keeps running into the upgrade below, which asks it to end first.
running=$(pgrep -f 'gaokao-countdown\.exe$' | head -1 || true)
[ -n "$running" ] || fail "the installed program does not run"

# An MSI made again (another product code, the same version) replaces the
# installed one, then a newer one does; an older one is then refused. Both
# come with the properties, as a school's command line gives them.
variant() { # file version
    cp "$msi" "$1"
    local code
    code=$(printf '{%08X-0000-4000-8000-%012X}' "$RANDOM" "$RANDOM")
    msibuild "$1" -q "UPDATE Property SET Value='$code' WHERE Property='ProductCode'" \
        -q "UPDATE Property SET Value='$2' WHERE Property='ProductVersion'"
}
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((patch + 1))
variant "$work/rebuilt.msi" "$version"
variant "$work/newer.msi" "$newer"
share='\\server\share\gaokao'
expect_value() { # name type data
    wine reg query "$policies" /v "$1" 2>/dev/null | tr -d '\r' \
        | grep -qE "^ *$1 +$2 +$(sed 's/[\\.]/\\&/g' <<<"$3")\$" || fail "policy $1 is not $2 $3"
}
for next in rebuilt newer; do
    before=$(product_codes)
    wine_msiexec /i "$work/$next.msi" /qn AUTOSTART=1 "SETTINGSDIR=$share" LOCKED=1 \
        FULLSCREEN=0 SCREEN=2 || fail "the $next MSI ended with $?"
    if [ -n "$running" ]; then
        ! kill -0 "$running" 2>/dev/null || fail "the program still runs after the $next MSI"
        running=""
    fi
    after=$(product_codes)
    [ "$(wc -l <<<"$after")" -eq 1 ] && [ "$after" != "$before" ] \
        || fail "the $next MSI did not replace the installed one: $before -> $after"
    [ -f "$app/gaokao-countdown.exe" ] && [ -f "$start_menu" ] \
        || fail "after the $next MSI the program or its shortcut is missing"
    expect_value SettingsDir REG_SZ "$share"
    expect_value Locked REG_DWORD 0x1
    expect_value FullScreen REG_DWORD 0x0
    expect_value Screen REG_SZ 2
    wine reg query "$run_key" /v "$app_id" 2>/dev/null | tr -d '\r' \
        | grep -qF '"C:\Program Files\gaokao-countdown\gaokao-countdown.exe"' \
        || fail "AUTOSTART=1 left no login entry"
done
wine_msiexec /i "$msi" /qn && fail "the older MSI installed over $newer"

for file in "${settings[@]}"; do
    mkdir -p "$(dirname "$file")"
    echo settings >"$file"
done
wine_msiexec /x "$work/newer.msi" /qn || fail "the silent uninstall ended with $?"
[ ! -e "$app" ] || fail "left behind: $(find "$app" | head -5)"
[ ! -e "$start_menu" ] || fail "the Start menu shortcut stays"
[ -z "$(product_codes)" ] || fail "still in Programs and Features"
wine reg query "$policies" /v Locked >/dev/null 2>&1 && fail "the policy values stay"
wine reg query "$run_key" /v "$app_id" >/dev/null 2>&1 && fail "the login entry stays"
for file in "${settings[@]}"; do
    [ "$(cat "$file" 2>/dev/null)" = settings ] || fail "the uninstall removed $file"
done

[ "$failures" -eq 0 ] && echo "the MSI installs, upgrades and uninstalls under Wine"
exit $((failures > 0))
