#!/bin/sh
# Real X input: a drag turns A one degree per move event, a memo stroke
# appears and an option click erases it, a resize rebuilds the figure.
set -u
. "$(dirname "$0")/lib.sh"

start_app "$1"

# Twenty moves to the left: A turns from 74 to 94 degrees, where the altitude
# stands at x = 431.2 instead of 524.7.
xdotool mousemove --window "$WINDOW" 650 300 mousedown 1
for i in $(seq 1 20); do
    xdotool mousemove --window "$WINDOW" $((650 - 3 * i)) 300
done
xdotool mouseup 1
settle
screenshot dragged
expect_pixel dragged 431 300 0,0,0 "the altitude after twenty moves to the left"
expect_pixel dragged 524 300 255,255,255 "the altitude's old place"

# Memo mode: a stroke in dark blue, erased by a click on either option button.
xdotool mousemove --window "$WINDOW" 150 48 click 1
xdotool mousemove --window "$WINDOW" 620 100 mousedown 1
for i in $(seq 1 20); do
    xdotool mousemove --window "$WINDOW" $((620 + 10 * i)) 100
done
xdotool mouseup 1
settle
screenshot memo
[ "$(count_colour memo 630 96 180 9 0,0,192)" -gt 500 ] || fail "no memo stroke along the pointer's path"
expect_pixel memo 431 300 0,0,0 "the figure stays in memo mode"

xdotool mousemove --window "$WINDOW" 150 24 click 1
settle
screenshot erased
[ "$(count_colour erased 600 90 240 20 0,0,192)" -eq 0 ] || fail "the option click left the memo stroke"

# A resize rebuilds the initial figure for the new client area: 1200 x 700
# puts BC at y = 560 from x = 250 to 950, and A back at 74 degrees.
xdotool windowsize "$WINDOW" 1200 700
settle
[ "$(client_size)" = "1200x700" ] || fail "the window did not take the new size"
screenshot resized
expect_pixel resized 400 560 0,0,0 "BC of the resized figure"
expect_pixel resized 940 560 0,0,0 "BC just short of C"
expect_pixel resized 975 560 192,192,192 "the grid beyond C of the resized figure"
expect_pixel resized 431 300 255,255,255 "the altitude of the dragged figure"

[ -s "$SHOT_DIR/stderr" ] && fail "the program wrote to standard error: $(cat "$SHOT_DIR/stderr")"
echo "PASS"
