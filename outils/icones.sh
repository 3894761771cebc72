#!/bin/sh
# Draws the icon's bitmaps from bureau/krn.svg, the one drawing of the icon: the PNGs of
# the desktop menu and of the windows, and krn.ico for krn.exe. Run again after a change
# to the drawing; needs Debian's librsvg2-bin and imagemagick.
set -e
cd "$(dirname "$0")/../bureau"
for taille in 16 32 48 256; do
  rsvg-convert -w $taille -h $taille krn.svg -o krn-$taille.png
done
convert krn-16.png krn-32.png krn-48.png krn-256.png krn.ico
