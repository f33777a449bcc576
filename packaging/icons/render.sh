#!/bin/sh
# Renders the hicolor PNG sizes of the icon from its SVG (Debian: librsvg2-bin)
# and packs them into the Windows icon (Debian: imagemagick). The PNGs and the
# .ico are committed, so building a package needs neither tool.
set -eu
cd "$(dirname "$0")"
sizes="16 22 24 32 48 64 128 256"
for size in $sizes; do
  rsvg-convert -w "$size" -h "$size" rc-lumidor.svg -o "rc-lumidor-$size.png"
done
# Explorer and the title bar pick the nearest size from the one file.
set --
for size in $sizes; do
  set -- "$@" "rc-lumidor-$size.png"
done
convert "$@" ../windows/rc-lumidor.ico
