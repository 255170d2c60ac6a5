#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-render every PNG and the Windows .ico in this folder from the SVG sources.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
#
#   assets/render_icons.sh
#
# The window icon has two drawings: icon-16.svg is cut to the pixel grid for
# 16 px; icon.svg, with the drafting grid and hour marks, serves 32 px and up
# (the @2x pictures included).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

for tool in rsvg-convert convert cmake; do
    command -v "$tool" >/dev/null || { echo "render_icons.sh: $tool not found" >&2; exit 1; }
done

render() {  # render SVG SIZE OUTPUT
    rsvg-convert --width "$2" --height "$2" --format png --output "$3" "$1"
}

# window icon, in the sizes the build lists
{ read -r -a window_sizes; read -r -a icon_sizes; } < <(cmake -P iconsizes.cmake)
for size in "${icon_sizes[@]}"; do
    svg=icon.svg
    [[ $size == 16 ]] && svg=icon-16.svg
    render "$svg" "$size" "icon-$size.png"
done
for size in "${window_sizes[@]}"; do
    render icon.svg $((size * 2)) "icon-$size@2x.png"
done
pictures=("${icon_sizes[@]/#/icon-}")
convert "${pictures[@]/%/.png}" icon.ico

# 16 px button pictures, plus 32 px for high-density screens
for name in settings exit ok; do
    render "$name.svg" 16 "$name.png"
    render "$name.svg" 32 "$name@2x.png"
done

echo "render_icons.sh: icons written to $PWD"
