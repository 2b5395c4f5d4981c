#!/bin/sh
# The program as a native Wayland client: in a headless Weston it starts,
# runs, and ends cleanly when asked, without a word on standard error.
set -u
binary=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="altitude-test-$$"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
[ -S "$runtime/$socket" ] || fail "weston did not start: $(cat "$runtime/weston.log")"

# Three seconds of running, then SIGTERM, which closes the window.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
    timeout --preserve-status -s TERM 3 "$binary" 2>"$runtime/stderr"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$runtime/stderr")"
[ -s "$runtime/stderr" ] && fail "the program wrote to standard error: $(cat "$runtime/stderr")"
echo "PASS"
