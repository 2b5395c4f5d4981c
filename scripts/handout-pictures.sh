#!/bin/sh
# Pictures of the handout and its answer sheet for the README, each made as
# a PDF with --export and drawn by poppler at 60 dpi:
#   scripts/handout-pictures.sh BINARY
# writes docs/handout-ANGLE.png and docs/handout-ANGLE-answers.png for A at
# 74 degrees (the 3-4-5 triangle) and at 30.
set -eu
binary=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work"
trap 'rm -rf "$work"' EXIT

for angle in 74 30; do
    for sheet in handout answers; do
        name=handout-$angle$([ "$sheet" = answers ] && echo -answers || true)
        QT_QPA_PLATFORM=offscreen "$binary" --export "$work/$name.pdf" --"$sheet" --angle "$angle"
        pdftoppm -png -r 60 -singlefile "$work/$name.pdf" "docs/$name"
        echo "handout: wrote docs/$name.png"
    done
done
