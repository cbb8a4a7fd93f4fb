#!/usr/bin/env bash
# qt-windows.sh [netportui|plain]: makes Qt for Windows (Qt 6.4.2 for
# MinGW-w64, the version of Debian's Qt) available for the Windows build and
# tests, and prints the folder it is in.
#
# Two configurations:
#   netportui (the default) the module's own Qt: every file carries the library
#             infix "_netportui" (Qt6Core_netportui.dll, qwindows_netportui.dll)
#             and every class the namespace NetportQt, so that the files and
#             names never collide with another product's Qt in the system
#             directory or in the process that loads the module;
#   plain     Qt as most products ship it (Qt6Core.dll, no namespace): the
#             foreign Qt of the coexistence tests.
#
# The folder lies in a cache outside the source tree
# (${XDG_CACHE_HOME:-~/.cache}/netport/qt-windows/qt-mingw-6.4.2-netportui, or
# .../qt-mingw-6.4.2 for plain) and is made once:
#   - from an archive of it (qt-mingw-6.4.2-netportui.tar.xz, or
#     qt-mingw-6.4.2.tar.xz): the one NETPORT_QT_WINDOWS (or, for plain,
#     NETPORT_QT_WINDOWS_PLAIN) names, else one in a folder shared/qt-windows
#     beside the source tree or above it;
#   - else built from Debian's source of qt6-base by scripts/build-qt-windows.sh
#     (about half an hour on two cores).
# What is unpacked or found in the cache is checked to be of the configuration
# asked for: a plain Qt is never taken for the module's, nor the reverse.
# Messages go to standard error; standard output carries only the folder.
set -euo pipefail
cd "$(dirname "$0")/.."

configuration=${1:-netportui}
version=6.4.2
case $configuration in
netportui)
    name=qt-mingw-$version-netportui
    archive=${NETPORT_QT_WINDOWS:-}
    archive_variable=NETPORT_QT_WINDOWS
    infix=_netportui
    ;;
plain)
    name=qt-mingw-$version
    archive=${NETPORT_QT_WINDOWS_PLAIN:-}
    archive_variable=NETPORT_QT_WINDOWS_PLAIN
    infix=
    ;;
*)
    echo "usage: qt-windows.sh [netportui|plain]" >&2
    exit 2
    ;;
esac
cache=${XDG_CACHE_HOME:-$HOME/.cache}/netport/qt-windows
prefix=$cache/$name
ready=$prefix/.netport-complete

say() {
    echo "qt-windows: $*" >&2
}

# The library infix the Qt in $1 was built with (empty for none).
built_infix() {
    sed -n 's/^set(QT_LIBINFIX "\(.*\)")$/\1/p' "$1/lib/cmake/Qt6Core/Qt6CoreConfigExtras.cmake" \
        2>/dev/null | head -1
}

# Whether the Qt in $1 is of the configuration asked for.
is_configuration() {
    [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ] && [ "$(built_infix "$1")" = "$infix" ]
}

if [ -f "$ready" ] && is_configuration "$prefix"; then
    echo "$prefix"
    exit 0
fi

if [ -n "$archive" ] && [ ! -f "$archive" ]; then
    say "$archive_variable names $archive, which is not a file"
    exit 1
fi
if [ -z "$archive" ]; then
    dir=$(pwd)
    while [ "$dir" != / ]; do
        dir=$(dirname "$dir")
        candidate=$dir/shared/qt-windows/$name.tar.xz
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
    is_configuration "$prefix" || {
        say "$archive does not hold $name/ with Qt built with the library infix" \
            "\"$infix\" (it has \"$(built_infix "$prefix")\")"
        rm -rf "$prefix"
        exit 1
    }
else
    say "no archive of $name found: building it from Debian's source"
    if [ "$configuration" = plain ]; then
        bash scripts/build-qt-windows.sh --plain "$prefix" >&2
    else
        bash scripts/build-qt-windows.sh "$prefix" >&2
    fi
fi
touch "$ready"
echo "$prefix"
