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

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null || { echo "render_icons.sh: $tool not found" >&2; exit 1; }
done

render() {  # render SVG SIZE OUTPUT
    rsvg-convert --width "$2" --height "$2" --format png --output "$3" "$1"
}

# window icon
render icon-16.svg 16 icon-16.png
render icon.svg 32 icon-16@2x.png
render icon.svg 32 icon-32.png
render icon.svg 64 icon-32@2x.png
render icon.svg 48 icon-48.png
render icon.svg 96 icon-48@2x.png
render icon.svg 128 icon-128.png
render icon.svg 256 icon-256.png
convert icon-16.png icon-32.png icon-48.png icon-128.png icon-256.png icon.ico

# 16 px button pictures, plus 32 px for high-density screens
for name in settings exit ok; do
    render "$name.svg" 16 "$name.png"
    render "$name.svg" 32 "$name@2x.png"
done

echo "render_icons.sh: icons written to $PWD"
