#!/bin/sh
# Process CPU per mouse move of a drag in a real X window: the program runs
# in a virtual X display, xdotool sends MOVES moves a millisecond apart (a
# 1000 Hz mouse), and the program's user and system time over the drag is
# divided by the moves. Run inside tests/support/with-xvfb.sh:
#   bench/xmove_bench.sh BINARY [MOVES] [move|memo]
set -u
binary=$1
moves=${2:-1000}
mode=${3:-move}
. "$(dirname "$0")/../tests/desktop/realwindow/lib.sh"

start_app "$binary"

cpu_ticks() { awk '{ print $14 + $15 }' /proc/"$APP_PID"/stat; }

# Idle: the program's CPU time has not grown over the last few polls, so
# everything sent so far has been handled and painted.
idle() {
    ticks=$(cpu_ticks)
    if [ "$ticks" = "${last_ticks:-}" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    last_ticks=$ticks
    why="its CPU time still grows"
    [ "$quiet" -ge 4 ]
}
go_idle() {
    quiet=0 last_ticks=""
    wait_until "the program to go idle" idle
}

[ "$mode" = memo ] && xdotool mousemove --window "$WINDOW" 150 48 click 1

# Left and right by a pixel in turn: A rocks about its start and the whole
# figure near it repaints on every move.
commands=$(awk -v n="$moves" -v w="$WINDOW" 'BEGIN {
    for (i = 0; i < n; i++) printf "mousemove --window %s %d 300 sleep 0.001 ", w, 600 - i % 2 }')
xdotool mousemove --window "$WINDOW" 600 300 mousedown 1
go_idle
before=$(cpu_ticks)
# shellcheck disable=SC2086 # the command list is meant to split into words
xdotool $commands
go_idle
after=$(cpu_ticks)
xdotool mouseup 1

hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v n="$moves" -v mode="$mode" 'BEGIN {
    printf "X11 %s mode, 900 x 541: %d moves, %.0f us of process CPU per move\n", mode, n, t / hz / n * 1e6 }'
