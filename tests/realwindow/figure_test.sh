#!/bin/sh
# The initial figure in a real X window, and the read-out boxes clicked with
# real X input.
set -u
. "$(dirname "$0")/lib.sh"

start_app "$1"
screenshot initial

black=0,0,0
blue=0,0,255
expect_pixel initial 300 432 "$black" "BC at y = 432.8"
expect_pixel initial 524 300 "$black" "the altitude AD at x = 524.7"
expect_pixel initial 350 302 "$black" "AB through its middle (352.1, 302.8)"
expect_pixel initial 515 414 "$blue" "the mark at D, its upper stroke at y = 414.8"
expect_pixel initial 507 424 "$blue" "the mark at D, its left stroke at x = 506.7"
[ "$(count_colour initial 508 180 20 22 0,0,255)" -gt 8 ] || fail "no mark at A between P, Q and R"
[ "$(count_colour initial 516 143 18 29 0,0,0)" -gt 20 ] || fail "no letter A at (515.7, 142.8)"
[ "$(count_colour initial 171 436 18 29 0,0,0)" -gt 20 ] || fail "no letter B at (170.5, 435.8)"
[ "$(count_colour initial 100 140 800 400 255,0,0)" -eq 0 ] || fail "a red read-out shows before its box is ticked"
[ "$(count_colour initial 420 457 60 29 0,0,0)" -eq 0 ] || fail "the BC read-out shows before its box is ticked"

xdotool mousemove --window "$WINDOW" 20 84 click 1   # ３辺の長さ
xdotool mousemove --window "$WINDOW" 20 108 click 1  # ＡＤの長さ
settle
screenshot ticked
[ "$(count_colour ticked 420 457 60 29 0,0,0)" -gt 20 ] || fail "ticking Check2 shows no BC read-out"
[ "$(count_colour ticked 250 285 80 35 0,0,0)" -gt 20 ] || fail "ticking Check2 shows no AB read-out"
[ "$(count_colour ticked 636 285 80 35 0,0,0)" -gt 20 ] || fail "ticking Check2 shows no AC read-out"
[ "$(count_colour ticked 528 315 90 32 255,0,0)" -gt 20 ] || fail "ticking Check3 shows no AD read-out"
[ "$(count_colour ticked 300 398 90 36 255,0,0)" -eq 0 ] || fail "the BD read-out shows without its box"

xdotool mousemove --window "$WINDOW" 20 84 click 1
settle
screenshot cleared
[ "$(count_colour cleared 420 457 60 29 0,0,0)" -eq 0 ] || fail "clearing Check2 leaves the BC read-out"
[ "$(count_colour cleared 528 315 90 32 255,0,0)" -gt 20 ] || fail "clearing Check2 hid the AD read-out"

echo "PASS"
