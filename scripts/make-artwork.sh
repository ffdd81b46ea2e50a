#!/usr/bin/env bash
# Draws the window's two pictures (our own artwork) with ImageMagick:
#   ui/images/picture1.jpg  baseline JPEG, 150 x 97, RGB  - a grade scale with a pointer
#   ui/images/image1.gif    GIF89a, 205 x 52             - the six grades as coloured tiles
# Run it again after changing the drawing; the results are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert
font=DejaVu-Sans-Bold

colours=("#2e9d4f" "#8cbf3f" "#e8c531" "#f0932b" "#e0552b" "#b8282e")

# Picture: a ruler from 1 to 6 under a soft sky, a red pointer between 2 and 3.
args=(-size 150x97 gradient:"#dcecff"-"#ffffff")
args+=(-fill white -stroke "#5a6b80" -strokewidth 1 -draw "roundrectangle 8,52 141,82 4,4")
for i in 0 1 2 3 4 5; do
    x0=$((12 + i * 21)); x1=$((x0 + 20))
    args+=(-stroke none -fill "${colours[$i]}" -draw "rectangle $x0,54 $x1,62")
    args+=(-stroke "#5a6b80" -draw "line $((x0 + 10)),62 $((x0 + 10)),67")
    args+=(-stroke none -fill "#23303f" -font "$font" -pointsize 11
           -draw "text $((x0 + 6)),79 '$((i + 1))'")
done
for x in $(seq 12 7 138); do args+=(-stroke "#9aa8b8" -draw "line $x,62 $x,64"); done
args+=(-stroke "#8a1a1a" -strokewidth 1 -fill "#d7262e" -draw "polygon 56,50 48,36 64,36")
args+=(-stroke none -fill "#23303f" -font "$font" -pointsize 16 -draw "text 54,32 'Note?'")
args+=(-stroke "#5a6b80" -fill none -draw "roundrectangle 0,0 149,96 6,6")
"$convert" "${args[@]}" -colorspace sRGB -type TrueColor -interlace none -quality 92 \
    -sampling-factor 4:2:0 -strip ui/images/picture1.jpg

# Image: six tiles 1 to 6, from green to red, on the window's grey.
args=(-size 205x52 xc:"#efefef")
for i in 0 1 2 3 4 5; do
    x0=$((4 + i * 33)); x1=$((x0 + 29))
    args+=(-fill "${colours[$i]}" -stroke "#3c3c3c" -strokewidth 1
           -draw "roundrectangle $x0,8 $x1,43 5,5")
    args+=(-stroke none -fill white -font "$font" -pointsize 20
           -draw "text $((x0 + 8)),34 '$((i + 1))'")
done
"$convert" "${args[@]}" +dither -colors 64 -strip GIF:ui/images/image1.gif

identify ui/images/picture1.jpg ui/images/image1.gif
