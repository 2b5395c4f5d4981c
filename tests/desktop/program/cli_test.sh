#!/bin/sh
# The command line: --help and --version answer and exit 0, also without a
# display; anything else is refused on standard error with status 2; the
# toolkit's own options still work.
set -u
binary=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp) err=$(mktemp) runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$out" "$err" "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

run() { # expected-status arguments...
    expected=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" "$@" >"$out" 2>"$err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "'$*' exited with $status, expected $expected: $(cat "$err")"
}

run 0 --version
grep -qx "altitude [0-9]*\.[0-9]*\.[0-9]*" "$out" || fail "--version printed '$(cat "$out")'"
[ -s "$err" ] && fail "--version wrote to standard error"

run 0 --help
grep -q "^Usage: .*altitude \[options\]" "$out" || fail "--help printed no usage"
grep -q -- "--version" "$out" || fail "--help does not list --version"

for wrong in --bogus -x "extra" "--version=1"; do
    run 2 "$wrong"
    [ -s "$out" ] && fail "'$wrong' wrote to standard output"
    [ "$(wc -l <"$err")" -eq 2 ] || fail "'$wrong' said more than its two lines: $(cat "$err")"
    grep -q "^altitude: " "$err" || fail "'$wrong' gave no clear message: $(cat "$err")"
done

# The toolkit's options are the toolkit's: they are not refused. With a
# platform named the toolkit starts, and without XDG_RUNTIME_DIR (cron, ssh)
# it would complain; the program's answer stays the only word.
run 0 -platform offscreen --version
run 0 --platform offscreen --version
for option in --version --help; do
    env -u XDG_RUNTIME_DIR TMPDIR="$runtime" "$binary" --platform offscreen "$option" >"$out" 2>"$err" ||
        fail "--platform offscreen $option without XDG_RUNTIME_DIR failed: $(cat "$err")"
    [ -s "$err" ] && fail "$option without XDG_RUNTIME_DIR wrote to standard error: $(cat "$err")"
done

# Without a display and without arguments: one clear line, status 1.
run 1
[ "$(wc -l <"$err")" -eq 1 ] || fail "no display gave more than one line: $(cat "$err")"
grep -q "xvfb-run" "$err" || fail "no display gave no hint: $(cat "$err")"
echo "PASS"
