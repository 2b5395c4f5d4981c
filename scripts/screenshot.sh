#!/bin/sh
# Takes a screenshot of the program's window as it opens, in a virtual X
# display of its own, for the README: scripts/screenshot.sh BINARY [OUTPUT.png]
set -eu

binary=$1
output=${2:-docs/screenshot.png}

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT INT TERM
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"

xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" sh -c '
    QT_QPA_PLATFORM=xcb "$1" &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
    sleep 0.5
    import -window "$window" "png:$2"
    kill "$pid"
' sh "$binary" "$output"
echo "screenshot: wrote $output"
