#!/usr/bin/env bash
# Renders the hand-written SVG icon to the PNG sizes of the hicolor theme. The output carries no
# time stamps, so the same SVG always gives the same bytes and the committed files stay stable.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
id=org.tessarine.Dorvane
for size in 16 32 48 64 128 256; do
    mkdir -p "$size"
    # Rasterised large, then reduced, so that small sizes are anti-aliased evenly.
    convert -background none -density 384 "$id.svg" -resize "${size}x${size}" \
        -strip -define png:exclude-chunks=date,time "PNG32:$size/$id.png"
done
