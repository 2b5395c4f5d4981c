#!/bin/sh
# The window as it opens in a real X session: title, client area, grid, panel,
# button and captions where the description puts them.
set -u
. "$(dirname "$0")/lib.sh"

start_app "$1"

title=$(xdotool getwindowname "$WINDOW")
[ "$title" = "三角形の直角の頂点から下ろした垂線   by q.Varlen" ] || fail "title is '$title'"
size_is 900x541 || fail "$why"
# Title bars, task bars and Alt+Tab show it; a build tree has the built-in one.
xprop -id "$WINDOW" _NET_WM_ICON | grep -q 'Icon (48 x 48)' ||
    fail "the window carries no 48 x 48 icon: $(xprop -id "$WINDOW" _NET_WM_ICON | head -n 1)"

grey=192,192,192
opened() {
    pixel_is 450 3 "$grey" "the middle grid line Line6(0)" &&
        pixel_is 882 530 "$grey" "the grid line Line6(23) at x = 882.8" &&
        pixel_is 700 54 "$grey" "the grid line Line5(1) at y = 54.1" &&
        pixel_is 700 55 255,255,255 "the row below Line5(1)" &&
        pixel_is 106 36 0,192,192 "the teal panel Shape1 beside the option buttons" &&
        more_than 8 96 89 49 255,0,0 20 "the red captions of Check3 and Check4" &&
        more_than 112 16 145 41 255,255,255 20 "the white captions of the option buttons"
}
await_screen "the grid, the panel and the captions" opened

expect_quiet
echo "PASS"
