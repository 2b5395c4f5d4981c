#!/bin/sh
# Real X input: a presenter remote's Page Down works from the start, a drag
# turns A one degree per move event and draws no focus frame, a memo stroke
# appears and an option click erases it, a click on the figure gives it the
# arrow keys, a move to a monitor of another scale changes nothing, a resize
# rebuilds the figure, S and Shift+S show and hide the lesson, F1 lists the
# keys until a key or a click; a remote runs the lesson (F5, Page Down, Page
# Up, Esc), the menu of a right click starts and ends it, ink and a drag of
# A start on its panel, and the key that closes the list does nothing else.
set -u
. "$(dirname "$0")/lib.sh"

# Two monitors side by side, the right one at 150 %.
xrandr --setmonitor LEFT 1000/264x1000/264+0+0 screen >/dev/null || fail "no monitor LEFT"
xrandr --setmonitor RIGHT 1400/370x1000/264+1000+0 none >/dev/null || fail "no monitor RIGHT"
start_app env QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=1.5" "$1"

# The window takes the keyboard, as a window manager gives it to a new
# window; nothing is clicked and nothing tabbed. Three presses of Page Down
# turn A three degrees towards C: the altitude from x = 524.7 to 538.2.
xdotool windowfocus "$WINDOW"
xdotool key --delay 30 Next Next Next
paged() {
    pixel_is 538 300 0,0,0 "the altitude three degrees towards C" &&
        pixel_is 524 300 255,255,255 "the altitude's first place"
}
await_screen "Page Down to turn A three degrees" paged
xdotool mousemove --window "$WINDOW" 50 28 click 1 # 初期画面
await_screen "the reset" pixel_is 524 300 0,0,0 "the altitude back at 74 degrees"

# Twenty moves to the left: A turns from 74 to 94 degrees, where the altitude
# stands at x = 431.2 instead of 524.7. A move lost or merged would leave it
# elsewhere, so a wait that ends here also counts the moves.
xdotool mousemove --window "$WINDOW" 650 300 mousedown 1
for i in $(seq 1 20); do
    xdotool mousemove --window "$WINDOW" $((650 - 3 * i)) 300
done
xdotool mouseup 1
dragged() {
    pixel_is 431 300 0,0,0 "the altitude after twenty moves to the left" &&
        pixel_is 524 300 255,255,255 "the altitude's old place"
}
await_screen "A to turn twenty degrees towards B" dragged
keep_shot dragged
# The press gave the figure the keys, but from the mouse: no frame.
pixel_is 1 300 255,255,255 "the left edge after a drag, where a focus frame would be" || fail "$why"

# Memo mode: a stroke in dark blue, erased by a click on either option button.
xdotool mousemove --window "$WINDOW" 150 48 click 1
xdotool mousemove --window "$WINDOW" 620 100 mousedown 1
for i in $(seq 1 20); do
    xdotool mousemove --window "$WINDOW" $((620 + 10 * i)) 100
done
xdotool mouseup 1
memo() {
    more_than 630 96 180 9 0,0,192 500 "the memo stroke along the pointer's path" &&
        pixel_is 431 300 0,0,0 "the figure, which stays in memo mode"
}
await_screen "a memo stroke" memo
keep_shot memo

# Onto RIGHT and back: the logical client area stays 900 x 541 (1350 x 812
# screen pixels there), and with it A and the memo stroke.
xdotool windowmove "$WINDOW" 1225 150
wait_until "the window to keep its logical size at 150 %" size_is 1350x812
scaled() {
    more_than 945 144 270 14 0,0,192 1000 "the memo stroke at 150 %" &&
        pixel_is 647 450 0,0,0 "the altitude at 94 degrees, at 150 %" &&
        pixel_is 786 450 255,255,255 "the altitude's place at 74 degrees, at 150 %"
}
await_screen "A and the memo at 150 %" scaled
xdotool windowmove "$WINDOW" 0 15
wait_until "the window to keep its logical size at 100 %" size_is 900x541
await_screen "A and the memo back at 100 %" memo

xdotool mousemove --window "$WINDOW" 150 24 click 1
await_screen "the option click to erase the memo" \
    none_of 600 90 240 20 0,0,192 "the memo stroke after the option click"

# A click on the figure, then ten presses of Left: ten degrees towards B,
# from 94 to 104, where the altitude stands at x = 384.8.
xdotool mousemove --window "$WINDOW" 800 200 click 1
xdotool key --delay 30 Left Left Left Left Left Left Left Left Left Left
keyed() {
    pixel_is 384 300 0,0,0 "the altitude ten degrees further towards B" &&
        pixel_is 431 300 255,255,255 "the altitude's place before the keys"
}
await_screen "ten presses of Left to turn A ten degrees" keyed

# A resize rebuilds the initial figure for the new client area: 1200 x 700
# puts BC at y = 560 from x = 250 to 950, and A back at 74 degrees.
xdotool windowsize "$WINDOW" 1200 700
wait_until "the window to take the size 1200x700" size_is 1200x700
resized() {
    pixel_is 400 560 0,0,0 "BC of the resized figure" &&
        pixel_is 940 560 0,0,0 "BC just short of C" &&
        pixel_is 975 560 192,192,192 "the grid beyond C of the resized figure" &&
        pixel_is 431 300 255,255,255 "the altitude of the dragged figure"
}
await_screen "the figure rebuilt for 1200 x 700" resized

# The lesson, from the keyboard wherever the focus is: S shows its panel in
# the top right corner, Shift+S takes it away again. Ivory, at the panel's
# right edge, half way down its first rows.
panel="1191 50"
xdotool key --delay 30 s
await_screen "S to show the lesson's panel" pixel_is $panel 255,248,232 "the lesson's panel"
xdotool key --delay 30 shift+s
await_screen "Shift+S to take the panel away" pixel_is $panel 255,255,255 "where the panel was"
# F1 lists the keys in the middle; any key closes the list, and so does a
# click, which then does nothing else: A stays where the resize put it.
help_shown() { more_than 450 300 300 100 234,240,246 2000 "the list of keys"; }
help_gone() { none_of 450 300 300 100 234,240,246 "the list of keys after it closed"; }
xdotool key --delay 30 F1
await_screen "F1 to list the keys" help_shown
xdotool key --delay 30 a
await_screen "a key to close the list" help_gone
xdotool key --delay 30 F1
await_screen "F1 to list the keys again" help_shown
xdotool mousemove --window "$WINDOW" 800 200 mousedown 1 mousemove --window "$WINDOW" 700 200 mouseup 1
await_screen "a click to close the list" help_gone
pixel_is 400 560 0,0,0 "BC after the click that closed the list" || fail "$why"
pixel_is 696 400 0,0,0 "the altitude at 74 degrees after the click that closed the list" || fail "$why"

# The lesson from a presenter remote. Each step is kept as it looks once
# it settles (two shots alike, and unlike the step before), so that going
# back shows the very picture again. F5 starts at step 1 from wherever the
# lesson is, Esc ends it, and then Page Down turns A again.
settles_unlike() { # NAME
    cp "$SHOT_DIR/latest.png" "$SHOT_DIR/previous.png"
    import -window "$WINDOW" "png:$SHOT_DIR/latest.png" 2>/dev/null || { why="no screenshot"; return 1; }
    same_as previous && ! same_as "$1" || { why="the screen still changing, or still like $1"; return 1; }
}
# The same picture as the one kept, but for the focus band along the edges,
# which a key shows and a press of the mouse hides.
same_as() { # NAME
    [ "$(convert "$SHOT_DIR/latest.png" "$SHOT_DIR/$1.png" -shave 3x3 miff:- | compare -metric AE - null: 2>&1)" = 0 ] &&
        return 0
    why="the window unlike the kept $1"
    return 1
}
keep_step() { # NAME AFTER WHAT
    await_screen "$3" settles_unlike "$2"
    keep_shot "$1"
}
import -window "$WINDOW" "png:$SHOT_DIR/latest.png" && keep_shot off
xdotool key F5
keep_step step1 off "F5 to start the lesson"
pixel_is $panel 255,248,232 "the lesson's panel after F5" || fail "$why"
xdotool key Next
keep_step step2 step1 "Page Down to step on"
xdotool key Next
keep_step step3 step2 "Page Down to step on again"
xdotool key Prior
await_screen "Page Up to step back to step 2" same_as step2
xdotool key Escape
await_screen "Esc to end the lesson" same_as off
xdotool key Next
await_screen "Page Down, the lesson over, to turn A towards C" pixel_is 702 400 0,0,0 "the altitude at 73 degrees"
xdotool key Prior
await_screen "Page Up to turn A back" same_as off

# The figure's menu, by a right click that moves nothing, on the figure's
# white: its first entry starts the lesson, and then ends it.
xdotool mousemove --window "$WINDOW" 1000 400 click 3
menu_shown() { xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vxq "$WINDOW" || { why="no menu"; return 1; }; }
wait_until "a right click to open the menu" menu_shown
xdotool key Down Return
await_screen "the menu's first entry to start the lesson" same_as step1
xdotool mousemove --window "$WINDOW" 1000 400 click 3
wait_until "a right click to open the menu again" menu_shown
xdotool key Down Return
await_screen "the menu's first entry to end the lesson" same_as off
xdotool key F5
await_screen "F5 to start the lesson again" same_as step1

# F1, then Shift+S: the list closes, the lesson stays at step 1.
xdotool key F1
await_screen "F1 to list the keys in the lesson" help_shown
xdotool key shift+s
await_screen "Shift+S to close the list and nothing else" same_as step1

# Ink starts on the panel's text: a stroke from a letter of its first row
# out to the left, past the panel, in memo mode; in move mode a drag from
# there turns A. The leftmost black pixel in the top right is a letter of
# the panel's, at the start of one of its rows.
at=$(convert "$SHOT_DIR/latest.png" -crop 400x150+800+0 +repage txt:- |
    awk -F'[,: ]+' '/#000000/ && (!n || $1 < x) { x = $1; y = $2; n = 1 } END { if (n) print x + 800, y }')
[ -n "$at" ] || fail "no text on the lesson's panel"
set -- $at
xdotool mousemove --window "$WINDOW" 150 48 click 1
xdotool mousemove --window "$WINDOW" "$1" "$2" mousedown 1
for i in $(seq 1 20); do
    xdotool mousemove --window "$WINDOW" $(($1 - 12 * i)) "$2"
done
xdotool mouseup 1
await_screen "a memo stroke from the panel's text" more_than $(($1 - 240)) $(($2 - 4)) 120 9 0,0,192 300 \
    "the stroke left of the panel"
xdotool mousemove --window "$WINDOW" 150 24 click 1
xdotool mousemove --window "$WINDOW" "$1" "$2" mousedown 1
for i in 1 2 3; do
    xdotool mousemove --window "$WINDOW" $(($1 - 10 * i)) "$2"
done
xdotool mouseup 1
await_screen "a drag from the panel's text to turn A three degrees towards B" \
    pixel_is 679 400 0,0,0 "the altitude at 77 degrees"

expect_quiet
echo "PASS"
