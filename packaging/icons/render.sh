#!/bin/sh
# Renders the hicolor PNG sizes of the icon from its SVG (Debian: librsvg2-bin).
# The PNGs are committed, so building the package needs no renderer.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" rc-lumidor.svg -o "rc-lumidor-$size.png"
done
