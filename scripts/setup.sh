#!/bin/sh
# Installs the Debian packages listed in debian-packages.txt that are not yet
# installed. Does nothing (and needs no network) when all of them are present.
set -eu

list="$(dirname "$0")/debian-packages.txt"
missing=""
for package in $(grep -v -e '^#' -e '^$' "$list"); do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "setup: need root or sudo to install:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq
# shellcheck disable=SC2086 # the list is meant to split into words
$as_root apt-get install -y -qq --no-install-recommends $missing
