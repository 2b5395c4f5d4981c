# Helpers for tests of the program in a real X window. The test runs inside
# tests/support/with-xvfb.sh, which gives it a virtual display of its own and
# no window manager, so window coordinates are client-area coordinates.
#
# Nothing here waits a fixed time for the program. Every wait polls for the
# state it needs until a deadline passes (ALTITUDE_TEST_DEADLINE seconds, 20
# unless set), then fails saying what it waited for: a busy machine only makes
# a test slower, never wrong.

DEADLINE=${ALTITUDE_TEST_DEADLINE:-20}
POLL_INTERVAL=0.05

fail() {
    echo "FAIL: $*" >&2
    # Keep the screenshots where a developer can look at them.
    if [ -n "${ALTITUDE_KEEP_SHOTS:-}" ]; then
        mkdir -p "$ALTITUDE_KEEP_SHOTS" && cp "$SHOT_DIR"/*.png "$ALTITUDE_KEEP_SHOTS"/ 2>/dev/null
    fi
    exit 1
}

# Runs CHECK [ARGUMENTS...] until it succeeds, failing once the deadline has
# passed. A check says why it missed by setting $why.
wait_until() { # WHAT CHECK [ARGUMENTS...]
    wait_what=$1
    shift
    wait_end=$(($(date +%s) + DEADLINE))
    while :; do
        why=""
        "$@" && return 0
        [ "$(date +%s)" -lt "$wait_end" ] || fail "waited $DEADLINE s for $wait_what${why:+; last seen: $why}"
        sleep "$POLL_INTERVAL"
    done
}

# Takes screenshots of the window until CHECK holds for one of them. The
# checks below read the latest screenshot; a later state must differ from the
# one before it in at least one checked pixel, or the wait proves nothing.
await_screen() { # WHAT CHECK [ARGUMENTS...]
    screen_what=$1
    shift
    wait_until "$screen_what" shot_and "$@"
}

shot_and() {
    import -window "$WINDOW" "png:$SHOT_DIR/latest.png" 2>/dev/null || { why="no screenshot"; return 1; }
    "$@"
}

# Keeps the latest screenshot as NAME.png, for ALTITUDE_KEEP_SHOTS.
keep_shot() {
    cp "$SHOT_DIR/latest.png" "$SHOT_DIR/$1.png"
}

find_window() {
    WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1)
    [ -n "$WINDOW" ] && return 0
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before its window appeared: $(cat "$SHOT_DIR/stderr")"
    why="no visible window of process $APP_PID"
    return 1
}

# Starts the program and waits until its window is there and painted: sets
# APP_PID and WINDOW. The light-yellow face of the reset button is painted in
# the same frame as everything else. A test's own clean-up can go in $at_exit.
start_app() {
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    SHOT_DIR=$(mktemp -d)
    trap 'kill "$APP_PID" 2>/dev/null; rm -rf "$runtime" "$SHOT_DIR"; eval "${at_exit:-}"' EXIT
    XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$@" 2>"$SHOT_DIR/stderr" &
    APP_PID=$!
    wait_until "the window to appear" find_window
    await_screen "the window's first frame" pixel_is 12 45 255,255,192 "the face of the reset button"
}

# Prints "R,G,B" of pixel X,Y of the latest screenshot.
pixel() {
    convert "$SHOT_DIR/latest.png" -format \
        "%[fx:int(255*p{$1,$2}.r+0.5)],%[fx:int(255*p{$1,$2}.g+0.5)],%[fx:int(255*p{$1,$2}.b+0.5)]" info:
}

pixel_is() { # X Y R,G,B WHAT
    actual=$(pixel "$1" "$2")
    [ "$actual" = "$3" ] && return 0
    why="$4: pixel $1,$2 is $actual, expected $3"
    return 1
}

# Counts the pixels of colour R,G,B in the rectangle X,Y,W,H of the latest
# screenshot.
count_colour() { # X Y W H R,G,B
    hex=$(echo "$5" | awk -F, '{ printf "#%02X%02X%02X", $1, $2, $3 }')
    convert "$SHOT_DIR/latest.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep -c " $hex "
}

more_than() { # X Y W H R,G,B N WHAT
    counted=$(count_colour "$1" "$2" "$3" "$4" "$5")
    [ "$counted" -gt "$6" ] && return 0
    why="$7: $counted pixels of $5 in $3x$4+$1+$2, expected more than $6"
    return 1
}

none_of() { # X Y W H R,G,B WHAT
    counted=$(count_colour "$1" "$2" "$3" "$4" "$5")
    [ "$counted" -eq 0 ] && return 0
    why="$6: $counted pixels of $5 in $3x$4+$1+$2, expected none"
    return 1
}

client_size() {
    xwininfo -id "$WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

size_is() { # WxH
    actual=$(client_size)
    [ "$actual" = "$1" ] && return 0
    why="the client area is $actual"
    return 1
}

# The program wrote nothing on standard error.
expect_quiet() {
    [ -s "$SHOT_DIR/stderr" ] && fail "the program wrote to standard error: $(cat "$SHOT_DIR/stderr")"
    return 0
}
