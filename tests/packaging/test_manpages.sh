#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders both manual pages as man does for a reader, under LANG=C (plain
# ASCII), C.UTF-8 and zh_CN.UTF-8, and fails on any warning of man or groff,
# or on a menu name missing: in Chinese where the locale can show it; under
# LANG=C in pinyin in the English page, and the Chinese page's note that it
# cannot be shown.
#
#   tests/packaging/test_manpages.sh ENGLISH_PAGE CHINESE_PAGE
set -euo pipefail

english=$1
chinese=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The window menu's names, as the program shows them | in pinyin.
menu=(
    "全屏显示|Quanping xianshi"
    "文字随窗口缩放|Wenzi sui chuangkou suofang"
    "窗口置顶|Chuangkou zhiding"
    "开机自动启动|Kaiji zidong qidong"
    "自定义设置|Zidingyi shezhi"
    "关于|Guanyu"
    "退出|Tuichu"
)

# zh_CN.UTF-8 from the system where it is installed, else made for this test.
zh_locpath=""
if ! locale -a 2>/dev/null | grep -qiE '^zh_CN\.utf-?8$'; then
    localedef -i zh_CN -f UTF-8 "$work/zh_CN.UTF-8"
    zh_locpath=$work
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# render LOCALE PAGE: the page's text, blanks and line breaks taken out (so
# that a name broken across two lines is found whole), in $work/text.
render() {
    local env=(LANG="$1" LC_ALL="$1" MANWIDTH=80)
    [[ "$1" == zh_CN* && -n "$zh_locpath" ]] && env+=(LOCPATH="$zh_locpath")
    if ! env "${env[@]}" man --warnings -l "$2" >"$work/page" 2>"$work/warnings"; then
        fail "man -l $2 under $1 ended with an error"
    fi
    if [ -s "$work/warnings" ]; then
        sed 's/^/    /' "$work/warnings" >&2
        fail "$(basename "$2") under $1: $(wc -l <"$work/warnings") warning(s)"
    fi
    tr -d ' \n' <"$work/page" >"$work/text"
}

expect() { # LOCALE PAGE TEXT
    local wanted=${3// /}
    grep -qF -- "$wanted" "$work/text" || fail "$(basename "$2") under $1 lacks \"$3\""
}

for locale in C C.UTF-8 zh_CN.UTF-8; do
    for page in "$english" "$chinese"; do
        render "$locale" "$page"
        for entry in "${menu[@]}"; do
            name=${entry%%|*}
            pinyin=${entry#*|}
            if [ "$locale" != C ]; then
                expect "$locale" "$page" "$name"
            elif [ "$page" = "$english" ]; then
                expect "$locale" "$page" "$pinyin"
            fi
        done
        if [ "$locale" = C ] && [ "$page" = "$chinese" ]; then
            expect "$locale" "$page" "This manual page is in Chinese"
        fi
    done
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "manual pages render cleanly"
