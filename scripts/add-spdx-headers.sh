#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Opens every file that git tracks with its two SPDX lines (copyright and
# licence), in the comment style of its kind, after a shebang line or an XML
# declaration. Files that already name a licence are left alone, so running it
# again changes nothing. Files that cannot carry a comment (pictures, the fuzz
# corpus, JSON) are covered by .reuse/dep5. Then `reuse lint` must pass.
#
#   scripts/add-spdx-headers.sh [ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# REUSE-IgnoreStart
copyright="SPDX-FileCopyrightText: 2026 The gaokao-countdown developers"
licence_of() {
    # AppStream asks for metadata under a permissive licence.
    case "$1" in
        *.metainfo.xml) echo "SPDX-License-Identifier: CC0-1.0" ;;
        *) echo "SPDX-License-Identifier: GPL-3.0-or-later" ;;
    esac
}

# REUSE-IgnoreEnd

# Prints the comment style of a file: "prefix|suffix", or nothing.
style_of() {
    case "$1" in
        *.cpp | *.h | *.h.in | *.rc) echo "// |" ;;
        *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.supp | *.desktop | *.desktop.in | *.ini \
            | .gitignore | .clang-format | .ci/* | *.lintian-overrides) echo "# |" ;;
        README.md) ;; # opens with its two commands; covered by .reuse/dep5
        *.md | *.svg | *.xml) echo "<!-- |-->" ;;
        *.1) echo '.\" |' ;;
    esac
}

while IFS= read -r file; do
    [ -f "$file" ] || continue
    grep -q "SPDX-License-Identifier" "$file" && continue # REUSE-IgnoreLine
    style=$(style_of "$file")
    [ -n "$style" ] || continue
    prefix=${style%%|*}
    suffix=${style#*|}
    suffix=${suffix:+ $suffix}
    header="$prefix$copyright$suffix"$'\n'"$prefix$(licence_of "$file")$suffix"
    first=$(head -n 1 "$file")
    tmp=$(mktemp)
    # A shebang or an XML declaration must stay the first line.
    if [[ "$first" == '#!'* || "$first" == '<?xml'* ]]; then
        { printf '%s\n' "$first" "$header"; tail -n +2 "$file"; } >"$tmp"
    else
        { printf '%s\n' "$header"; cat "$file"; } >"$tmp"
    fi
    # Keeps the file's mode (an executable script stays executable).
    cat "$tmp" >"$file"
    rm -f "$tmp"
done < <(git ls-files)
