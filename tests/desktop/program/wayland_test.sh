#!/bin/sh
# The program as a native Wayland client: in a headless Weston it starts,
# paints its window, and ends cleanly when asked, without a word on standard
# error.
set -u
binary=$1
. "$(dirname "$0")/../realwindow/lib.sh"

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="altitude-test-$$"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$program" "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT

weston_listens() {
    [ -S "$runtime/$socket" ] && return 0
    kill -0 "$weston" 2>/dev/null || fail "weston ended: $(cat "$runtime/weston.log")"
    return 1
}
wait_until "weston to listen on $socket" weston_listens

# libwayland logs every request the program makes (WAYLAND_DEBUG): a buffer
# attached to a surface and then committed is the first painted frame.
# Under the sanitizers, allocations are traced by the slow unwinder: Mesa's
# drivers keep no frame pointers, so the fast one stops inside them and a
# leak of theirs could not be told from one of ours by its stack.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" \
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$binary" 2>"$runtime/stderr" &
program=$!
painted() {
    awk '/\.attach\(wl_buffer@/ { attached = 1 } attached && /\.commit\(\)/ { found = 1 } END { exit !found }' \
        "$runtime/stderr" && return 0
    kill -0 "$program" 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$runtime/stderr")"
    return 1
}
wait_until "the program's first frame on Wayland" painted
# The compositor finds the window's desktop entry, and its icon, by this name.
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org\.altitude\.altitude")' "$runtime/stderr" ||
    fail "the window does not name its desktop entry: $(grep -o 'set_app_id([^)]*)' "$runtime/stderr")"

# The set-up installs Mesa's EGL, so every machine's client goes the same way:
# it asks EGL for its buffers, whether or not the machine has a GPU.
grep -q 'libEGL_mesa\.so' /proc/"$program"/maps ||
    fail "the program did not take the EGL path: libEGL_mesa is not loaded"

kill -TERM "$program"
wait "$program"
status=$?
said=$(grep -v -E '^\[ *[0-9]+\.[0-9]+\] ' "$runtime/stderr")
[ "$status" -eq 0 ] || fail "SIGTERM did not end the program cleanly (status $status): $said"
[ -z "$said" ] || fail "the program wrote to standard error: $said"
echo "PASS"
