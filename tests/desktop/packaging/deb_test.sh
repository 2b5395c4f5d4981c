#!/bin/sh
# The Debian package, made by cpack from the build tree into a folder of its
# own: its name and fields, exactly the files it should hold, desktop entry,
# icon and metainfo pointing at one another, and the program, unpacked, started
# in a virtual X display. Runs inside tests/support/with-xvfb.sh.
#   deb_test.sh CPACK_CONFIG VERSION
set -u
config=$1
version=$2
id=org.altitude.altitude
. "$(dirname "$0")/../realwindow/lib.sh"

work=$(mktemp -d)
at_exit='rm -rf "$work"'
trap 'eval "$at_exit"' EXIT

cpack --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$work/out/altitude_${version}_$arch.deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = altitude ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
# The font is named by hand; the Qt libraries come from dpkg-shlibdeps, and
# would be missing if it did not run.
for package in fonts-ipafont-gothic libqt6core6 libqt6gui6 libqt6widgets6; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" ||
        fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
expected="./usr/bin/altitude
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$root" && find . -type f | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the package holds
$actual
instead of
$expected"
[ -x "$root/usr/bin/altitude" ] || fail "usr/bin/altitude is not executable"

# A menu finds the program and its icon by these names, a software centre the
# desktop entry by the metainfo's.
entry=$root/usr/share/applications/$id.desktop
[ "$(sed -n 's/^Exec=//p' "$entry")" = altitude ] || fail "Exec= is not the installed program"
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "Icon= is not the installed icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not launch $id.desktop"

# The program as installed paints its window and ends cleanly when asked; a
# missing library or a toolkit complaint shows up here.
start_app "$root/usr/bin/altitude"
kill -TERM "$APP_PID"
wait "$APP_PID"
status=$?
[ "$status" -eq 0 ] || fail "the unpacked program ended with status $status: $(cat "$SHOT_DIR/stderr")"
expect_quiet

echo "PASS $(basename "$deb"), $(wc -c <"$deb") bytes, Depends: $depends"
