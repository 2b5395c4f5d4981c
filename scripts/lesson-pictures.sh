#!/bin/sh
# Pictures of the lesson's steps for the README, drawn from worksheets made
# with --export (every read-out shown) and rendered by librsvg at the
# window's size: scripts/lesson-pictures.sh BINARY
# writes docs/lesson-ANGLE-STEP.png for A at 74 degrees (the 3-4-5 triangle,
# steps 1 and 3) and at 30 (steps 2 and 3, and step 3 with --blanks).
set -eu
binary=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work"
trap 'rm -rf "$work"' EXIT

picture() { # NAME ANGLE STEP [--blanks]
    name=$1
    shift
    QT_QPA_PLATFORM=offscreen "$binary" --export "$work/$name.svg" --lengths --angle "$1" --lesson "$2" ${3:-}
    rsvg-convert --background-color=white -o "docs/$name.png" "$work/$name.svg"
    echo "lesson: wrote docs/$name.png"
}
picture lesson-74-1 74 1
picture lesson-74-3 74 3
picture lesson-30-2 30 2
picture lesson-30-3 30 3
picture lesson-30-3-blanks 30 3 --blanks
