#!/bin/sh
# The window as it opens in a real X session: title, client area, grid, panel,
# button and captions where the description puts them.
set -u
. "$(dirname "$0")/lib.sh"

# Under GNOME's platform theme (QT_QPA_PLATFORMTHEME=gtk3), a home of its
# own, where GTK's save dialog opens.
if [ "${QT_QPA_PLATFORMTHEME:-}" = gtk3 ]; then
    HOME=$(mktemp -d)
    export HOME
    at_exit='rm -rf "$HOME"'
fi
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

# GTK's save dialog asks about a name only as typed: "saved", which the
# PNG's extension makes the name of a file that is there, is asked about
# all the same, and the question's default, No, leaves that file alone.
other_window() { # IDS TO SKIP...
    other=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -v -x -e "$WINDOW" "$@" | head -n 1)
    [ -n "$other" ] && return 0
    why="no other window"
    return 1
}
if [ "${QT_QPA_PLATFORMTHEME:-}" = gtk3 ]; then
    printf 'an earlier worksheet' >"$HOME/saved.png"
    xdotool windowfocus --sync "$WINDOW" key ctrl+s
    wait_until "GTK's save dialog" other_window
    gtk=$other
    xdotool windowfocus --sync "$gtk" key ctrl+a type saved
    xdotool key Return
    wait_until "the question whether to replace saved.png" other_window -e "$gtk"
    xdotool windowfocus --sync "$other" key Return
    wait_until "the question to close" eval '! other_window'
    [ "$(cat "$HOME/saved.png")" = "an earlier worksheet" ] || fail "saved.png was replaced"
fi

expect_quiet
echo "PASS"
