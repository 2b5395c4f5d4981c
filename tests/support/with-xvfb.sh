#!/bin/sh
# Runs a command in a virtual X display of its own and stops the display
# afterwards: with-xvfb.sh COMMAND [ARGUMENTS...]. The exit status is the
# command's; XVFB_PID tells it the X server's process, for a test that takes
# the display away. XVFB_SCREEN sets the screen's size (1600x1000 unless set).
#
# Xvfb chooses a free display number itself (-displayfd) and reports it once
# it accepts connections, so any number of these can start at the same time
# without two of them taking the same display, and the command never starts
# before its display is there. It never resets (-noreset): an X server resets
# when its last client leaves, and a client that connects during the reset is
# turned away - as the program would be, starting while a test's xdotool
# looks for its window.
set -u

dir=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

: >"$dir/display"
Xvfb -displayfd 3 -screen 0 ${XVFB_SCREEN:-1600x1000}x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
xvfb=$!

deadline=$(($(date +%s) + ${ALTITUDE_TEST_DEADLINE:-20}))
poll_interval=0.05
until [ "$(wc -l <"$dir/display")" -ge 1 ]; do
    if ! kill -0 "$xvfb" 2>/dev/null; then
        echo "with-xvfb: Xvfb ended before it opened a display: $(cat "$dir/log")" >&2
        exit 1
    fi
    if [ "$(date +%s)" -ge "$deadline" ]; then
        echo "with-xvfb: waited ${ALTITUDE_TEST_DEADLINE:-20} s for Xvfb to open a display" >&2
        exit 1
    fi
    sleep "$poll_interval"
done

display=:$(cat "$dir/display")
DISPLAY=$display XVFB_PID=$xvfb "$@"
status=$?
# A command that failed because its display went away should say so.
if [ "$status" -ne 0 ] && ! kill -0 "$xvfb" 2>/dev/null; then
    echo "with-xvfb: the X server of $display ended while the command ran: $(cat "$dir/log")" >&2
fi
exit "$status"
