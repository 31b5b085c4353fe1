#!/usr/bin/env bash
# Draws the PNG sizes of the program's icon from resources/icons/lorvex.svg.
# Run by hand after changing the drawing (needs rsvg-convert, from
# librsvg2-bin); the PNGs are committed, so building needs no SVG renderer.
set -euo pipefail

icons=$(cd "$(dirname "$0")/../resources/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$icons/lorvex.svg" \
        --output "$icons/lorvex-$size.png"
done
