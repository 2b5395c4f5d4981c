#!/bin/sh
# Renders the initial figure's worksheet files as a reader of each format
# would, for the README to show beside the window's screenshot:
#   scripts/worksheet-renders.sh BINARY
# writes docs/worksheet-svg.png (the SVG through librsvg, at the window's
# size) and docs/worksheet-pdf.png (the PDF's page through poppler, 60 dpi).
set -eu
binary=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work"
trap 'rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen "$binary" --export "$work/figure.svg"
QT_QPA_PLATFORM=offscreen "$binary" --export "$work/figure.pdf"
rsvg-convert --background-color=white -o docs/worksheet-svg.png "$work/figure.svg"
pdftoppm -png -r 60 -singlefile "$work/figure.pdf" docs/worksheet-pdf
echo "worksheet: wrote docs/worksheet-svg.png and docs/worksheet-pdf.png"
