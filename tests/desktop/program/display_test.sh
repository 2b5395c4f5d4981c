#!/bin/sh
# A display that cannot be opened, or one that goes away under the open
# window, is an ordinary error: one line on standard error that says what was
# tried and what to do, and exit status 1 - no abort, no core dump, no advice
# to reinstall. Runs inside tests/support/with-xvfb.sh, whose display it
# takes away at the end.
set -u
binary=$1
. "$(dirname "$0")/../realwindow/lib.sh"

out=$(mktemp -d)
chmod 700 "$out"
at_exit='rm -rf "$out"'
trap 'eval "$at_exit"' EXIT

# What the line ends with: how to run the program.
advice="run it in a desktop session, or without a screen under 'xvfb-run -a"
refused() { # WHAT EXPECTED-WORDS COMMAND...
    what=$1 words=$2
    shift 2
    XDG_RUNTIME_DIR=$out "$@" >"$out/stdout" 2>"$out/stderr"
    status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status, expected 1: $(cat "$out/stderr")"
    [ "$(wc -l <"$out/stderr")" -eq 1 ] || fail "$what: not one line on standard error: $(cat "$out/stderr")"
    grep -q "^altitude: could not open a window: .*$words.*; $advice[^;]*\$" "$out/stderr" ||
        fail "$what: the line does not say what was tried and what to do: $(cat "$out/stderr")"
    [ -s "$out/stdout" ] && fail "$what: wrote to standard output"
    return 0
}

# A display number no X server has taken.
number=917
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
refused "a DISPLAY that names no server" "no X server answers on the display \":$number\"" \
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$number" "$binary"

refused "a WAYLAND_DISPLAY that names no socket" "no Wayland compositor listens on \"altitude-none\"" \
    env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=altitude-none "$binary"

refused "an unknown platform plugin" "there is no platform plugin \"nosuch\"" \
    env -u QT_QPA_PLATFORM "$binary" -platform nosuch

# A Wayland session on a machine without the toolkit's Wayland plugin: a copy
# of the program whose qt.conf gives it a plugin folder with X's alone.
lacking=$out/lacking
mkdir -p "$lacking/plugins/platforms"
cp "$binary" "$lacking/altitude"
ln -s "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so" "$lacking/plugins/platforms/"
printf '[Paths]\nPlugins=%s/plugins\n' "$lacking" >"$lacking/qt.conf"
advice="install the package qt6-wayland"
refused "no Wayland plugin and no X display" "there is no platform plugin \"wayland\"" \
    env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=altitude-none "$lacking/altitude"
# With XWayland there, the program starts through X and names the package.
XDG_RUNTIME_DIR=$out env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=altitude-none "$lacking/altitude" --version \
    >"$out/stdout" 2>"$out/stderr" || fail "no Wayland plugin, through X: $(cat "$out/stderr")"
[ "$(wc -l <"$out/stderr")" -eq 1 ] && grep -q "Wayland plugin is missing.*install the package qt6-wayland" \
    "$out/stderr" || fail "no Wayland plugin, through X: not one line naming qt6-wayland: $(cat "$out/stderr")"

# The X server goes away while the window is open.
start_app "$binary"
kill "$XVFB_PID"
wait "$APP_PID"
status=$?
[ "$status" -eq 1 ] || fail "the X server went away: exit status $status, expected 1: $(cat "$SHOT_DIR/stderr")"
[ "$(wc -l <"$SHOT_DIR/stderr")" -eq 1 ] && grep -q "^altitude: the connection to the display broke" "$SHOT_DIR/stderr" ||
    fail "the X server went away: standard error was not one clear line: $(cat "$SHOT_DIR/stderr")"
echo "PASS"
