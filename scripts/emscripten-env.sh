#!/bin/sh
# Runs a command with Debian's emscripten set up for this project's web build:
#   scripts/emscripten-env.sh BUILD-DIR COMMAND...
# The compiler's cache lives in BUILD-DIR/emcache, so the build writes nothing
# outside the tree. It starts as links to the libraries Debian ships
# prebuilt (read only); what is missing there, em++ builds into it once,
# which takes several minutes.
set -eu

dir=$1
shift
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

config="$dir/emscripten.config"
if [ ! -f "$config" ]; then
    cat >"$config" <<CONFIG
LLVM_ROOT = '/usr/bin'
BINARYEN_ROOT = '/usr'
NODE_JS = '/usr/bin/node'
FROZEN_CACHE = False
LLVM_ADD_VERSION = '14'
CLANG_ADD_VERSION = '14'
CONFIG
fi

cache="$dir/emcache"
if [ ! -f "$cache/sysroot_install.stamp" ]; then
    mkdir -p "$cache"
    shipped=/usr/share/emscripten/cache
    if [ -f "$shipped/sysroot_install.stamp" ]; then
        cp -rs "$shipped/." "$cache/"
        rm -f "$cache/cache.lock"
    fi
fi

# Debian's emscripten finds its JavaScript modules (acorn and others) here,
# whichever node is first on PATH.
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
EM_CONFIG=$config
EM_CACHE=$cache
export NODE_PATH EM_CONFIG EM_CACHE
exec "$@"
