#!/usr/bin/env bash
# Draws the program's icon (an isometric block: grass on top, earth on the sides) with
# ImageMagick and writes cubeworks.ico: a 128 x 128 image of 32 bits per pixel and the usual
# smaller sizes. The output is committed; run this again after changing the drawing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 128x128 xc:none -strokewidth 3 -stroke '#203018' \
    -fill '#6DBB3C' -draw 'polygon 64,6 120,34 64,62 8,34' \
    -fill '#8A5A32' -draw 'polygon 8,34 64,62 64,122 8,94' \
    -fill '#A8703F' -draw 'polygon 64,62 120,34 120,94 64,122' \
    -stroke none \
    -fill '#5AA02F' -draw 'polygon 9,36 64,63 64,76 9,49' \
    -fill '#4E8E28' -draw 'polygon 64,63 119,36 119,49 64,76' \
    -fill '#6B4426' -draw 'rectangle 20,60 27,67' -draw 'rectangle 40,86 47,93' \
    -fill '#C58A52' -draw 'rectangle 84,70 91,77' -draw 'rectangle 100,88 107,95' \
    -fill '#9BD86A' -draw 'polygon 64,14 100,32 64,50 28,32' \
    -fill '#6DBB3C' -draw 'polygon 64,22 84,32 64,42 44,32' \
    PNG32:"$work/128.png"
for size in 64 48 32 16; do
    convert "$work/128.png" -resize "${size}x${size}" PNG32:"$work/$size.png"
done
# BMP-form entries at 32 bits per pixel (alpha), largest first.
convert "$work/128.png" "$work/64.png" "$work/48.png" "$work/32.png" "$work/16.png" \
    -define icon:format=bmp "$here/cubeworks.ico"
