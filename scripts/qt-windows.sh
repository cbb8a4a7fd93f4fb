#!/usr/bin/env bash
# Makes Qt for Windows (Qt 6.4.2 for MinGW-w64, the version of Debian's Qt)
# available for the Windows tests and prints the folder it is in.
#
# The folder lies in a cache outside the source tree
# (${XDG_CACHE_HOME:-~/.cache}/netport/qt-windows/qt-mingw-6.4.2) and is made
# once:
#   - from an archive of it (qt-mingw-6.4.2.tar.xz): the one NETPORT_QT_WINDOWS
#     names, else one in a folder shared/qt-windows beside the source tree or
#     above it;
#   - else built from Debian's source of qt6-base by scripts/build-qt-windows.sh
#     (about half an hour on two cores).
# Messages go to standard error; standard output carries only the folder.
set -euo pipefail
cd "$(dirname "$0")/.."

version=6.4.2
cache=${XDG_CACHE_HOME:-$HOME/.cache}/netport/qt-windows
prefix=$cache/qt-mingw-$version
ready=$prefix/.netport-complete

say() {
    echo "qt-windows: $*" >&2
}

if [ -f "$ready" ]; then
    echo "$prefix"
    exit 0
fi

archive=${NETPORT_QT_WINDOWS:-}
if [ -n "$archive" ] && [ ! -f "$archive" ]; then
    say "NETPORT_QT_WINDOWS names $archive, which is not a file"
    exit 1
fi
if [ -z "$archive" ]; then
    dir=$(pwd)
    while [ "$dir" != / ]; do
        dir=$(dirname "$dir")
        candidate=$dir/shared/qt-windows/qt-mingw-$version.tar.xz
        if [ -f "$candidate" ]; then
            archive=$candidate
            break
        fi
    done
fi

rm -rf "$prefix"
mkdir -p "$cache"
if [ -n "$archive" ]; then
    command -v xz >/dev/null 2>&1 || {
        say "xz is needed to unpack $archive: install the Debian package xz-utils"
        exit 1
    }
    say "unpacking $archive into $cache"
    tar -C "$cache" -xJf "$archive"
    [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || {
        say "$archive does not hold qt-mingw-$version/lib/cmake/Qt6"
        exit 1
    }
else
    say "no archive of Qt for Windows found: building it from Debian's source"
    bash scripts/build-qt-windows.sh "$prefix" >&2
fi
touch "$ready"
echo "$prefix"
