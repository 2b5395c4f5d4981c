#!/bin/sh
# The Debian package that `make package` built with dpkg-buildpackage: lintian
# finds no error and no warning, its name and fields, exactly the files it
# should hold, desktop entry, icon and metainfo pointing at one another, a
# manual page for every option, and the program, unpacked, drawing what the
# build tree's draws and started in a virtual X display. Runs inside
# tests/support/with-xvfb.sh.
#   deb_test.sh PACKAGE_DIR VERSION BUILT_PROGRAM
set -u
dir=$1
version=$2
built=$3
id=org.altitude.altitude
. "$(dirname "$0")/../realwindow/lib.sh"

work=$(mktemp -d)
chmod 700 "$work"
at_exit='rm -rf "$work"'
trap 'eval "$at_exit"' EXIT

arch=$(dpkg --print-architecture)
deb=$dir/altitude_${version}_$arch.deb
[ -f "$deb" ] || fail "no $(basename "$deb") in $dir (make package builds it): $(ls "$dir" 2>&1)"
# The package with its debug symbols. Info tags pass, and are listed at the end.
lintian --display-info --fail-on error,warning "$dir/altitude_${version}_$arch.changes" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = altitude ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
field Maintainer | grep -q '^[^<]*[^ <] <[^ <>@]*@[^ <>@]*\.[^ <>@]*>$' ||
    fail "Maintainer without an address: $(field Maintainer)"
depends=$(field Depends)
# The font is named by hand; the Qt libraries come from dpkg-shlibdeps, and
# would be missing if it did not run.
for package in fonts-ipafont-gothic libqt6core6 libqt6gui6 libqt6widgets6; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" ||
        fail "Depends lacks $package: $depends"
done
[ "$(field Recommends)" = "qt6-wayland, qt6-translations-l10n" ] || fail "Recommends: $(field Recommends)"

root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
expected="./usr/bin/altitude
./usr/share/applications/$id.desktop
./usr/share/doc/altitude/changelog.gz
./usr/share/doc/altitude/copyright
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/altitude.1.gz
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
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release $version"
head -n 1 "$root/usr/share/doc/altitude/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "the copyright file is not machine-readable"

# Every option the program knows is in its manual page (written there as \-\-).
zcat "$root/usr/share/man/man1/altitude.1.gz" | sed 's/\\-/-/g' >"$work/manual"
for option in $("$root/usr/bin/altitude" --help | grep -o -e '--[a-z-]*' | sort -u); do
    grep -q -e "$option" "$work/manual" || fail "the manual page does not mention $option"
done

# Built with the distribution's flags, the program still computes the figure to
# the bit as the build tree's does (every coordinate is written exactly).
for program in packaged built; do
    [ "$program" = packaged ] && binary=$root/usr/bin/altitude || binary=$built
    XDG_RUNTIME_DIR=$work "$binary" --export "$work/$program.svg" --angle 33 --lengths ||
        fail "$program: --export failed"
done
cmp -s "$work/packaged.svg" "$work/built.svg" || fail "the packaged program draws A at 33 degrees otherwise"

# The program as installed paints its window and ends cleanly when asked; a
# missing library or a toolkit complaint shows up here.
start_app "$root/usr/bin/altitude"
kill -TERM "$APP_PID"
wait "$APP_PID"
status=$?
[ "$status" -eq 0 ] || fail "the unpacked program ended with status $status: $(cat "$SHOT_DIR/stderr")"
expect_quiet

echo "PASS $(basename "$deb"), $(wc -c <"$deb") bytes, Depends: $depends; lintian's info tags:" \
    "$(grep '^I: ' "$work/lintian.log" | tr '\n' ';' | grep . || echo none)"
