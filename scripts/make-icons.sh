#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon (dist/icons/skalix.svg, our own artwork) into the
# PNG sizes the desktop and the window use. The PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert
# 192 and 512 are the web app's (its manifest).
for size in 16 32 48 64 128 192 256 512; do
    "$convert" -background none -density $((384 * size / 256)) skalix.svg \
        -resize "${size}x${size}" -strip "PNG32:skalix-$size.png"
done

# The Windows program icon: the small sizes and the large one in one file.
"$convert" skalix-16.png skalix-32.png skalix-48.png skalix-256.png ../windows/skalix.ico
