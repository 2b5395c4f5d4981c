#!/bin/sh
# Process CPU per painted move of a drag in a real X window, for the program
# and for its floor, a bare Qt widget that repaints a 16 x 16 square per move
# (bench/qtfloor.cpp), in turn in the same virtual X display. xdotool sends
# MOVES moves 20 ms apart, more than a frame of the screen, so that every
# move is painted on its own; the CPU time of all the process's threads over
# the drag (from the scheduler, in nanoseconds) is divided by the moves.
# Run inside tests/support/with-xvfb.sh:
#   bench/xpaint_bench.sh PROGRAM FLOOR [MOVES] [ROUNDS]
set -u
program=$1
floor=$2
moves=${3:-300}
rounds=${4:-3}
. "$(dirname "$0")/../tests/desktop/realwindow/lib.sh"

# Nanoseconds the process has run, all its threads together.
cpu_ns() { cat /proc/"$APP_PID"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }

idle() {
    ns=$(cpu_ns)
    # Less than 0.1 ms of CPU since the last poll: everything sent is handled.
    if [ $((ns - ${last_ns:-0})) -lt 100000 ]; then quiet=$((quiet + 1)); else quiet=0; fi
    last_ns=$ns
    why="its CPU time still grows"
    [ "$quiet" -ge 4 ]
}
go_idle() {
    quiet=0 last_ns=""
    wait_until "the program to go idle" idle
}

window_shown() {
    WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1)
    why="no visible window of process $APP_PID"
    [ -n "$WINDOW" ]
}

# One drag of MOVES moves in the window of COMMAND...: prints microseconds per move.
measure() {
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$@" 2>/dev/null &
    APP_PID=$!
    wait_until "the window of $1" window_shown
    go_idle
    # Left and right by a pixel in turn: A rocks about its start and the
    # whole figure near it repaints on every move.
    commands=$(awk -v n="$moves" -v w="$WINDOW" 'BEGIN {
        for (i = 0; i < n; i++) printf "mousemove --window %s %d 300 sleep 0.02 ", w, 600 - i % 2 }')
    xdotool mousemove --window "$WINDOW" 600 300 mousedown 1
    go_idle
    before=$(cpu_ns)
    # shellcheck disable=SC2086 # the command list is meant to split into words
    xdotool $commands
    go_idle
    after=$(cpu_ns)
    xdotool mouseup 1
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null
    rm -rf "$runtime"
    echo $(((after - before) / moves / 1000))
}

median() { tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

program_runs="" floor_runs=""
for round in $(seq "$rounds"); do
    program_runs="$program_runs $(measure "$program")"
    floor_runs="$floor_runs $(measure "$floor")"
done
p=$(echo $program_runs | median)
f=$(echo $floor_runs | median)
echo "X11, 900 x 541, $moves moves 20 ms apart, each painted: process CPU per painted move, median of $rounds runs"
echo "  the program:                          $p us   (runs:$program_runs)"
echo "  its floor, a bare Qt widget (16 x 16): $f us   (runs:$floor_runs)"
awk -v p="$p" -v f="$f" 'BEGIN { printf "  ratio program / floor:                %.2f\n", p / f }'
