#!/bin/sh
# The initial figure in a real X window, and the read-out boxes clicked with
# real X input.
set -u
. "$(dirname "$0")/lib.sh"

start_app "$1"

black=0,0,0
blue=0,0,255
red=255,0,0
initial() {
    pixel_is 300 432 "$black" "BC at y = 432.8" &&
        pixel_is 524 300 "$black" "the altitude AD at x = 524.7" &&
        pixel_is 350 302 "$black" "AB through its middle (352.1, 302.8)" &&
        pixel_is 515 414 "$blue" "the mark at D, its upper stroke at y = 414.8" &&
        pixel_is 507 424 "$blue" "the mark at D, its left stroke at x = 506.7" &&
        more_than 508 180 20 22 "$blue" 8 "the mark at A between P, Q and R" &&
        more_than 516 143 18 29 "$black" 20 "the letter A at (515.7, 142.8)" &&
        more_than 171 436 18 29 "$black" 20 "the letter B at (170.5, 435.8)" &&
        none_of 100 140 800 400 "$red" "the red read-outs before their boxes are ticked" &&
        none_of 420 457 60 29 "$black" "the BC read-out before its box is ticked"
}
await_screen "the initial figure" initial

xdotool mousemove --window "$WINDOW" 20 84 click 1   # ３辺の長さ
xdotool mousemove --window "$WINDOW" 20 108 click 1  # ＡＤの長さ
ticked() {
    more_than 420 457 60 29 "$black" 20 "the BC read-out after ticking Check2" &&
        more_than 250 285 80 35 "$black" 20 "the AB read-out after ticking Check2" &&
        more_than 636 285 80 35 "$black" 20 "the AC read-out after ticking Check2" &&
        more_than 528 315 90 32 "$red" 20 "the AD read-out after ticking Check3" &&
        none_of 300 398 90 36 "$red" "the BD read-out, whose box is not ticked"
}
await_screen "the read-outs of the ticked boxes" ticked

xdotool mousemove --window "$WINDOW" 20 84 click 1
cleared() {
    none_of 420 457 60 29 "$black" "the BC read-out after clearing Check2" &&
        more_than 528 315 90 32 "$red" 20 "the AD read-out, whose box stays ticked"
}
await_screen "the read-outs of Check2 to go" cleared

expect_quiet
echo "PASS"
