# Helpers for tests of the program in a real X window. The test runs inside
# xvfb-run, which gives it a virtual display of its own and no window
# manager, so window coordinates are client-area coordinates.

fail() {
    echo "FAIL: $*" >&2
    # Keep the screenshots where a developer can look at them.
    if [ -n "${ALTITUDE_KEEP_SHOTS:-}" ]; then
        mkdir -p "$ALTITUDE_KEEP_SHOTS" && cp "$SHOT_DIR"/*.png "$ALTITUDE_KEEP_SHOTS"/ 2>/dev/null
    fi
    exit 1
}

# Starts the program and waits for its window: sets APP_PID and WINDOW.
start_app() {
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    trap 'kill "$APP_PID" 2>/dev/null; rm -rf "$runtime" "$SHOT_DIR"' EXIT
    SHOT_DIR=$(mktemp -d)
    XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$@" 2>"$SHOT_DIR/stderr" &
    APP_PID=$!
    WINDOW=""
    for _ in $(seq 100); do
        WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1)
        [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "the window did not appear"
    settle
}

# Waits until the X server has handled everything sent so far and the program
# has had time to repaint.
settle() {
    xdotool sleep 0.3
}

# Takes a screenshot of the window into $SHOT_DIR/$1.png.
screenshot() {
    import -window "$WINDOW" "png:$SHOT_DIR/$1.png" || fail "no screenshot"
}

# Prints "R,G,B" of pixel X,Y of screenshot NAME.
pixel() {
    convert "$SHOT_DIR/$1.png" -format \
        "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

expect_pixel() { # NAME X Y R,G,B WHAT
    actual=$(pixel "$1" "$2" "$3")
    [ "$actual" = "$4" ] || fail "$5: pixel $2,$3 is $actual, expected $4"
}

# Counts the pixels of colour R,G,B in the rectangle X,Y,W,H of screenshot NAME.
count_colour() { # NAME X Y W H R,G,B
    hex=$(echo "$6" | awk -F, '{ printf "#%02X%02X%02X", $1, $2, $3 }')
    convert "$SHOT_DIR/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | grep -c " $hex "
}

client_size() {
    xwininfo -id "$WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}
