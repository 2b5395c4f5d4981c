#!/bin/sh
# Takes a screenshot of the program's window as it opens, in a virtual X
# display of its own, for the README: scripts/screenshot.sh BINARY [OUTPUT.png]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ] || [ -z "${ALTITUDE_SCREENSHOT_XVFB:-}" ]; then
    ALTITUDE_SCREENSHOT_XVFB=1 exec "$here/../tests/support/with-xvfb.sh" sh "$here/screenshot.sh" "$@"
fi

binary=$1
output=${2:-docs/screenshot.png}
. "$here/../tests/desktop/realwindow/lib.sh"

start_app "$binary"
await_screen "the initial figure" pixel_is 524 300 0,0,0 "the altitude AD"
cp "$SHOT_DIR/latest.png" "$output"
echo "screenshot: wrote $output"
