#!/bin/sh
# Builds the Debian package as a distribution builds it, with
# dpkg-buildpackage from debian/, in a copy of the source tree: the files git
# knows, as they are in the working tree, with new ones not yet added and
# without ignored ones (builds, node_modules). dpkg-buildpackage writes the
# .deb, its debug symbols, .buildinfo and .changes beside the tree it builds,
# so they land in OUT too, and nothing outside the repository is touched.
#   package.sh OUT
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$1"
mkdir -p "$1/altitude"
out=$(cd "$1" && pwd)
cd "$top"
git -c core.quotepath=off ls-files --cached --others --exclude-standard |
    while IFS= read -r file; do
        # A tracked file deleted in the working tree is left out, as a clone
        # of the next commit would be.
        [ -e "$file" ] && printf '%s\n' "$file"
    done |
    tar --create --file=- --verbatim-files-from --files-from=- |
    tar --extract --file=- --directory="$out/altitude"

cd "$out/altitude"
dpkg-buildpackage --unsigned-source --unsigned-changes --build=binary >"$out/build.log" 2>&1 || {
    tail -n 40 "$out/build.log" >&2
    echo "package: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
    exit 1
}
rm -rf "$out/altitude"
ls "$out"/*.deb
