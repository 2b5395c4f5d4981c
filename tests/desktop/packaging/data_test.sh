#!/bin/sh
# The files installed next to the program, as they are in data/: the desktop
# entry and the metainfo pass their validators without a single remark, and
# the 48 px icon is the SVG as it is now, not as it was.
#   data_test.sh DATA_DIR
set -u
data=$1
id=org.altitude.altitude

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# desktop-file-validate exits 0 even with hints (a category a menu would file
# the program under "Other", say); any remark at all counts here.
desktop-file-validate "$data/$id.desktop" >"$work/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/desktop.log")"
[ -s "$work/desktop.log" ] && fail "desktop-file-validate: $(cat "$work/desktop.log")"

# appstreamcli fails on errors and warnings; infos (a missing content rating,
# say) and pedantic remarks (no releases) pass, so they are caught here.
appstreamcli validate --pedantic --no-net "$data/$id.metainfo.xml" >"$work/metainfo.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/metainfo.log")"
grep -E '^[EWIP]: ' "$work/metainfo.log" && fail "appstreamcli has remarks: $(cat "$work/metainfo.log")"

[ "$(identify -format '%wx%h' "$data/$id.png")" = 48x48 ] || fail "$id.png is not 48 x 48"
rsvg-convert --width 48 --height 48 --output "$work/fresh.png" "$data/$id.svg" ||
    fail "$id.svg does not render"
# A little fuzz for another librsvg's antialiasing; a changed drawing differs
# by far more.
differing=$(compare -metric AE -fuzz 3% "$data/$id.png" "$work/fresh.png" null: 2>&1)
[ "$differing" = 0 ] ||
    fail "$id.png differs from $id.svg in $differing pixels: run scripts/render-icon.sh"

echo "PASS"
