#!/bin/sh
# Remakes the 48 px PNG of the program's icon from its SVG:
#   scripts/render-icon.sh [ICON.svg] [OUTPUT.png]
# Run it after every change to the SVG and commit both files; the build and
# the package take the PNG as it is, so they need no SVG renderer.
set -eu

here=$(dirname "$0")
svg=${1:-$here/../data/org.altitude.Altitude.svg}
png=${2:-$here/../data/org.altitude.Altitude.png}

# rsvg-convert (librsvg2-bin) renders straight to the size wanted; it writes
# no time stamp, so an unchanged SVG gives the very same PNG.
rsvg-convert --width 48 --height 48 --keep-aspect-ratio --output "$png" "$svg"
echo "render-icon: wrote $png"
