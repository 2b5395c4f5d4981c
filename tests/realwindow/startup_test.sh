#!/bin/sh
# The window as it opens in a real X session: title, client area, grid, panel,
# button and captions where the description puts them.
set -u
. "$(dirname "$0")/lib.sh"

start_app "$1"

title=$(xdotool getwindowname "$WINDOW")
[ "$title" = "三角形の直角の頂点から下ろした垂線   by q.Varlen" ] || fail "title is '$title'"
[ "$(client_size)" = "900x541" ] || fail "client area is $(client_size)"

screenshot opened
grey=192,192,192
expect_pixel opened 450 3 "$grey" "the middle grid line Line6(0)"
expect_pixel opened 882 530 "$grey" "the grid line Line6(23) at x = 882.8"
expect_pixel opened 700 54 "$grey" "the grid line Line5(1) at y = 54.1"
expect_pixel opened 700 55 255,255,255 "the row below Line5(1)"
expect_pixel opened 106 36 0,192,192 "the teal panel Shape1 beside the option buttons"
expect_pixel opened 12 45 255,255,192 "the light-yellow face of Command1"
[ "$(count_colour opened 8 96 89 49 255,0,0)" -gt 20 ] || fail "no red captions on Check3 and Check4"
[ "$(count_colour opened 112 16 145 41 255,255,255)" -gt 20 ] || fail "no white captions on the option buttons"

[ -s "$SHOT_DIR/stderr" ] && fail "the program wrote to standard error: $(cat "$SHOT_DIR/stderr")"
echo "PASS"
