#!/bin/sh
# Process CPU per mouse move of a drag in a real X window: the program runs
# under Xvfb, xdotool sends MOVES moves a millisecond apart (a 1000 Hz
# mouse), and the program's user and system time over the drag is divided
# by the moves. Run inside xvfb-run: bench/xmove_bench.sh BINARY [MOVES]
set -eu
binary=$1
moves=${2:-1000}
mode=${3:-move}

runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$binary" &
pid=$!
trap 'kill "$pid" 2>/dev/null; rm -rf "$runtime"' EXIT
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "xmove_bench: no window" >&2; exit 1; }
[ "$mode" = memo ] && xdotool mousemove --window "$window" 150 48 click 1
sleep 0.5

cpu_ticks() { awk '{ print $14 + $15 }' /proc/"$pid"/stat; }

# Left and right by a pixel in turn: A rocks about its start and the whole
# figure near it repaints on every move.
commands=$(awk -v n="$moves" 'BEGIN { for (i = 0; i < n; i++) printf "mousemove --window %s %d 300 sleep 0.001 ", "'"$window"'", 600 - i % 2 }')
xdotool mousemove --window "$window" 600 300 mousedown 1
sleep 0.2
before=$(cpu_ticks)
# shellcheck disable=SC2086 # the command list is meant to split into words
xdotool $commands
sleep 0.3
after=$(cpu_ticks)
xdotool mouseup 1

hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v n="$moves" -v mode="$mode" 'BEGIN {
    printf "X11 %s mode, 900 x 541: %d moves, %.0f us of process CPU per move\n", mode, n, t / hz / n * 1e6 }'
