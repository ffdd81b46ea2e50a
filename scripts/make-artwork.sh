#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the window's two pictures (our own artwork) with ImageMagick, each at
# its natural size and at twice that for high-resolution screens:
#   ui/images/picture1.jpg  baseline JPEG, 150 x 97, RGB  - a grade scale with a pointer
#   ui/images/image1.gif    GIF89a, 205 x 52             - the six grades as coloured tiles
# and picture1@2x.jpg, image1@2x.gif. The results are committed.
set -euo pipefail
cd "$(dirname "$0")/../ui/images"
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert
font=DejaVu-Sans-Bold
colours=("#2e9d4f" "#8cbf3f" "#e8c531" "#f0932b" "#e0552b" "#b8282e")

# draw SCALE "primitive": one MVG primitive in the picture's own coordinates.
draw() { args+=(-draw "scale $1,$1 $2"); }

picture() { # SCALE OUT: a ruler from 1 to 6 under a soft sky, a red pointer between 2 and 3
    local s=$1
    args=(-size $((150 * s))x$((97 * s)) gradient:"#dcecff"-"#ffffff")
    args+=(-fill white -stroke "#5a6b80" -strokewidth 1)
    draw "$s" "roundrectangle 8,52 141,82 4,4"
    for i in 0 1 2 3 4 5; do
        local x0=$((12 + i * 21))
        args+=(-stroke none -fill "${colours[$i]}")
        draw "$s" "rectangle $x0,54 $((x0 + 20)),62"
        args+=(-stroke "#5a6b80")
        draw "$s" "line $((x0 + 10)),62 $((x0 + 10)),67"
        args+=(-stroke none -fill "#23303f" -font "$font" -pointsize 11)
        draw "$s" "text $((x0 + 6)),79 '$((i + 1))'"
    done
    args+=(-stroke "#9aa8b8")
    for x in $(seq 12 7 138); do draw "$s" "line $x,62 $x,64"; done
    args+=(-stroke "#8a1a1a" -fill "#d7262e")
    draw "$s" "polygon 56,50 48,36 64,36"
    args+=(-stroke none -fill "#23303f" -font "$font" -pointsize 16)
    draw "$s" "text 54,32 'Note?'"
    args+=(-stroke "#5a6b80" -fill none)
    draw "$s" "roundrectangle 0,0 149,96 6,6"
    "$convert" "${args[@]}" -colorspace sRGB -type TrueColor -interlace none -quality 92 \
        -sampling-factor 4:2:0 -strip "$2"
}

image() { # SCALE OUT: six tiles 1 to 6, from green to red, on the window's grey
    local s=$1
    args=(-size $((205 * s))x$((52 * s)) xc:"#efefef")
    for i in 0 1 2 3 4 5; do
        local x0=$((4 + i * 33))
        args+=(-fill "${colours[$i]}" -stroke "#3c3c3c" -strokewidth 1)
        draw "$s" "roundrectangle $x0,8 $((x0 + 29)),43 5,5"
        args+=(-stroke none -fill white -font "$font" -pointsize 20)
        draw "$s" "text $((x0 + 8)),34 '$((i + 1))'"
    done
    "$convert" "${args[@]}" +dither -colors 64 -strip "GIF:$2"
}

picture 1 picture1.jpg
picture 2 picture1@2x.jpg
image 1 image1.gif
image 2 image1@2x.gif
identify picture1.jpg picture1@2x.jpg image1.gif image1@2x.gif
