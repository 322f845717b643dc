#!/usr/bin/env bash
# Renders the 48 and 256 px PNG icons from quorvel.svg (needs ImageMagick). The results are
# committed; run this only after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
for px in 48 256; do
    convert -background none -density 384 quorvel.svg -resize ${px}x${px} -depth 8 "quorvel-${px}.png"
done
