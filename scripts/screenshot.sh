#!/bin/sh
# Takes a screenshot of the program's window as it opens, in a virtual X
# display of its own, for the README, one of the figure's menu opened by a
# right click, and two of the lesson at step 3 with its step control, at the
# design size and maximised on a 1920 x 1080 screen:
#   scripts/screenshot.sh BINARY [OUTPUT.png [MENU.png [LESSON.png LARGE.png]]]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ] || [ -z "${ALTITUDE_SCREENSHOT_XVFB:-}" ]; then
    XVFB_SCREEN=1920x1080 ALTITUDE_SCREENSHOT_XVFB=1 exec "$here/../tests/support/with-xvfb.sh" sh "$here/screenshot.sh" "$@"
fi

binary=$1
output=${2:-docs/screenshot.png}
. "$here/../tests/desktop/realwindow/lib.sh"

start_app "$binary"
await_screen "the initial figure" pixel_is 524 300 0,0,0 "the altitude AD"
cp "$SHOT_DIR/latest.png" "$output"
echo "screenshot: wrote $output"

# The menu is a window of its own, over the figure's white right of A: the
# screen's corner, as large as the window (which has no frame here).
menu=${3:-}
[ -n "$menu" ] || exit 0
xdotool mousemove --window "$WINDOW" 650 200 click 3
opened() { xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vxq "$WINDOW" || { why="no menu"; return 1; }; }
wait_until "the figure's menu" opened
shot_of_menu() {
    import -window root -crop 900x541+0+0 +repage "png:$SHOT_DIR/latest.png" 2>/dev/null &&
        more_than 650 200 150 150 255,255,255 1000 "the menu" && ! same_as_before
}
same_as_before() { [ "$(compare -metric AE "$SHOT_DIR/latest.png" "$output" null: 2>&1)" = 0 ]; }
wait_until "a screenshot with the menu" shot_of_menu
cp "$SHOT_DIR/latest.png" "$menu"
echo "screenshot: wrote $menu"

# The lesson, opened at step 3 with the lengths: the panel's ivory at its
# place in the top right, at 900 x 541 and then at 1920 x 1061.
lesson=${4:-}
[ -n "$lesson" ] || exit 0
kill "$APP_PID" 2>/dev/null
wait "$APP_PID" 2>/dev/null
start_app "$binary" --lesson 3 --angle 74 --lengths
panel_shown() { more_than 600 0 300 200 255,248,232 2000 "the lesson's panel"; }
await_screen "the lesson at step 3" panel_shown
cp "$SHOT_DIR/latest.png" "$lesson"
echo "screenshot: wrote $lesson"
large=${5:-}
[ -n "$large" ] || exit 0
xdotool windowsize "$WINDOW" 1920 1061
grown() { [ "$(identify -format %w "$SHOT_DIR/latest.png")" = 1920 ] || { why="the window not yet 1920 wide"; return 1; }
    more_than 1300 0 600 400 255,248,232 8000 "the lesson's panel"; }
await_screen "the lesson at 1920 x 1061" grown
cp "$SHOT_DIR/latest.png" "$large"
echo "screenshot: wrote $large"
