#!/bin/sh
# The program reads and writes no file of its own and opens no network
# socket: it starts in a real X window, takes a drag and a memo stroke, and
# ends cleanly on SIGTERM, leaving its home, configuration, cache, data,
# runtime and working folders as empty as it found them.
set -u
. "$(dirname "$0")/../realwindow/lib.sh"

sandbox=$(mktemp -d)
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/cache" "$sandbox/data" "$sandbox/tmp" "$sandbox/cwd"
cd "$sandbox/cwd" || fail "no sandbox"
start_app env HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" XDG_CACHE_HOME="$sandbox/cache" \
    XDG_DATA_HOME="$sandbox/data" TMPDIR="$sandbox/tmp" "$1"
xdotool mousemove --window "$WINDOW" 650 300 mousedown 1
for i in $(seq 1 10); do xdotool mousemove --window "$WINDOW" $((650 - 5 * i)) 300; done
xdotool mouseup 1
xdotool mousemove --window "$WINDOW" 150 48 click 1
xdotool mousemove --window "$WINDOW" 600 100 mousedown 1 mousemove --window "$WINDOW" 700 120 mouseup 1
await_screen "the memo stroke, the last of the input" pixel_is 650 110 0,0,192 "the memo stroke"

# Every socket the program holds must be a local one (its display); none may
# be an internet socket of any kind.
for link in /proc/"$APP_PID"/fd/*; do
    target=$(readlink "$link") || continue
    case "$target" in
        socket:*)
            inode=$(echo "$target" | tr -dc 0-9)
            for table in tcp tcp6 udp udp6 raw raw6; do
                awk -v inode="$inode" 'NR > 1 && $10 == inode { found = 1 } END { exit !found }' \
                    /proc/"$APP_PID"/net/$table && fail "an internet socket ($table) is open"
            done
            ;;
    esac
done

kill -TERM "$APP_PID"
wait "$APP_PID"
status=$?
[ "$status" -eq 0 ] || fail "SIGTERM did not end the program cleanly (status $status): $(cat "$SHOT_DIR/stderr")"

left=$(find "$sandbox" -mindepth 2 | head -n 5)
[ -z "$left" ] || fail "the program left files behind: $left"
[ -z "$(ls -A "$runtime")" ] || fail "the program left files in its runtime folder: $(ls -A "$runtime")"
expect_quiet
rm -rf "$sandbox"
echo "PASS"
