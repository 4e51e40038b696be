#!/usr/bin/env bash
# Draws the larger sizes of the program's icon (48, 64, 128 and 256 pixels) after the design's 16 and 32 pixel
# images, the Windows .ico holding 16, 32, 48 and 256, and the window's icon as raw pixels (16 to 64). Needs
# ImageMagick and the DejaVu fonts.
set -euo pipefail
cd "$(dirname "$0")/../src/resources"
for size in 48 64 128 256; do
    border=$((size / 32 > 1 ? size / 32 : 1))
    convert -size "${size}x${size}" xc:'rgb(31,78,140)' -fill 'rgb(47,111,191)' \
        -draw "rectangle $border,$border $((size - border - 1)),$((size - border - 1))" \
        -fill white -font DejaVu-Sans-Bold -pointsize $((size * 25 / 32)) -gravity center \
        -annotate "+$((-size / 32))+$((size / 32))" Q \
        -fill 'rgb(255,210,63)' -draw "circle $((size * 26 / 32)),$((size * 6 / 32)) $((size * 26 / 32)),$((size * 6 / 32 - size * 4 / 32))" \
        -depth 8 -define png:exclude-chunks=date,time "icon$size.png"
done
convert icon16.png icon32.png icon48.png icon256.png qelwizard.ico
# Raw RGBA bytes, row by row: the window's icon is built from them without decoding a PNG at every start.
for size in 16 32 48 64; do
    convert "icon$size.png" -depth 8 "rgba:icon$size.rgba"
done
