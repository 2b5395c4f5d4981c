#!/bin/sh
# Remakes the 48 px PNG of the program's icon from its SVG, and the web
# site's icons (192 and 512 px, and 180 px on white for iPads, whose home
# screen turns transparent corners black) in src/web/site/icons:
#   scripts/render-icon.sh [ICON.svg] [OUTPUT.png]
# Run it after every change to the SVG and commit both files; the build and
# the package take the PNG as it is, so they need no SVG renderer.
set -eu

here=$(dirname "$0")
svg=${1:-$here/../data/org.altitude.altitude.svg}
png=${2:-$here/../data/org.altitude.altitude.png}

# rsvg-convert (librsvg2-bin) renders straight to the size wanted; it writes
# no time stamp, so an unchanged SVG gives the very same PNG.
rsvg-convert --width 48 --height 48 --keep-aspect-ratio --output "$png" "$svg"
echo "render-icon: wrote $png"

icons=$here/../src/web/site/icons
for size in 192 512; do
    rsvg-convert --width $size --height $size --keep-aspect-ratio --output "$icons/icon-$size.png" "$svg"
done
rsvg-convert --width 180 --height 180 --keep-aspect-ratio --background-color=white \
    --output "$icons/apple-touch-icon.png" "$svg"
echo "render-icon: wrote the site's icons in $icons"
