#!/bin/sh
# Runs the real-window and program tests round after round, in the plain and
# in the sanitizer build, while twice as many busy processes as there are
# cores keep the machine overloaded; passes only if every round passes.
#   scripts/test-load.sh [ROUNDS]
set -u
rounds=${1:-10}
cores=$(nproc)
hogs=$((2 * cores))
log=$(mktemp)

pids=""
for _ in $(seq "$hogs"); do
    sh -c 'while :; do :; done' &
    pids="$pids $!"
done
# shellcheck disable=SC2086 # the list of processes is meant to split
trap 'kill $pids 2>/dev/null; rm -f "$log"' EXIT
trap 'exit 130' INT TERM

echo "test-load: $rounds rounds with $hogs busy processes on $cores cores"
failures=0
for round in $(seq "$rounds"); do
    for preset in default sanitize; do
        start=$(date +%s)
        if ctest --preset "$preset" -L 'realwindow|program' -j "$cores" >"$log" 2>&1; then
            result=passed
        else
            result=FAILED
            failures=$((failures + 1))
        fi
        echo "round $round, $preset build: $result in $(($(date +%s) - start)) s," \
            "$(grep -o '[0-9]* tests failed out of [0-9]*' "$log" || echo "no summary")"
        [ "$result" = FAILED ] && grep -E '^(FAIL|.*\*\*\*Failed|.*Timeout)' "$log" | sed 's/^/    /'
    done
done

echo "test-load: $failures failed runs in $rounds rounds"
[ "$failures" -eq 0 ]
