#!/usr/bin/env bash
# build-qt-windows.sh [--plain] PREFIX: builds Qt for Windows from Debian's
# own source of qt6-base (6.4.2, the version of Debian's Qt, whose moc, uic,
# rcc and lrelease then serve as its host tools) with Debian's MinGW-w64
# compilers, and installs it into PREFIX. Only what the module needs: Core,
# Gui and Widgets, the "windows" platform plugin and the Windows styles.
#
# The module's own Qt: every library and plugin carries the infix "_netportui"
# (Qt6Core_netportui.dll) and every class the namespace NetportQt, so that the
# files in the system directory and the names in a host process never meet
# another product's Qt. --plain builds Qt without either, as most products
# ship it: the foreign Qt of the coexistence tests.
#
# The source and the build tree are kept beside PREFIX (in PREFIX.work) until
# the build succeeds, so that an interrupted build goes on where it stopped.
# scripts/qt-windows.sh calls this when no archive of Qt for Windows is at hand.
# It installs the packages this build needs itself (scripts/packages.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

own_qt=(-DQT_LIBINFIX=_netportui -DQT_NAMESPACE=NetportQt)
if [ "${1:-}" = --plain ]; then
    own_qt=()
    shift
fi
[ $# -eq 1 ] || {
    echo "usage: build-qt-windows.sh [--plain] PREFIX" >&2
    exit 2
}
prefix=$1
version=6.4.2
work=$prefix.work
source_dir=$work/qtbase-everywhere-src-$version
build_dir=$work/build
toolchain=$(pwd)/scripts/mingw-w64-x86_64.cmake
host_cmake=/usr/lib/x86_64-linux-gnu/cmake

say() {
    echo "=== $(date '+%H:%M:%S') $*"
}

# shellcheck source=scripts/packages.sh
source scripts/packages.sh
# Compilers, Debian's Qt as host tools, and what fetching and patching the
# source takes.
install_packages g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    cmake ninja-build perl dpkg-dev patch xz-utils qt6-base-dev qt6-base-dev-tools

say "Building Qt $version for Windows into $prefix."
say "This takes about 30 minutes on two cores (about 1000 compile steps); it is done once."
mkdir -p "$work"

# The source package, from the system's own Debian archive. A fresh Debian has
# no deb-src entry; one is added for the archive of its first deb entry.
original=$(ls "$work"/qt6-base_$version+dfsg.orig.tar.xz 2>/dev/null || true)
if [ -z "$original" ]; then
    if [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
        uri=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
        [ -n "$uri" ] || uri=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' \
            /etc/apt/sources.list 2>/dev/null | head -1)
        [ -n "$uri" ] || {
            echo "No Debian archive found in the apt sources to fetch qt6-base's source from" >&2
            exit 1
        }
        say "adding a deb-src entry for $uri"
        printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: %s\n' \
            "$uri" /usr/share/keyrings/debian-archive-keyring.gpg |
            as_root tee /etc/apt/sources.list.d/netport-deb-src.sources >/dev/null
        as_root apt-get update -qq
    fi
    say "fetching the source of qt6-base"
    (cd "$work" && apt-get source --download-only qt6-base >/dev/null)
    original=$work/qt6-base_$version+dfsg.orig.tar.xz
fi
if [ ! -f "$source_dir/CMakeLists.txt" ]; then
    say "unpacking the source"
    tar -C "$work" -xf "$original"
    # Debian's own fixes that concern what is built here: its security fix
    # for QtGui's text layout.
    debian=$(ls "$work"/qt6-base_$version+dfsg-*.debian.tar.xz | sort -V | tail -1)
    tar -C "$work" -xf "$debian" debian/patches/cve-2023-32763.diff
    patch -d "$source_dir" -p1 -N -s <"$work/debian/patches/cve-2023-32763.diff"
fi

say "configuring"
# Debian's source leaves out the WinTab headers, so tablet events are off;
# the Direct2D platform plugin is left out, but not Direct2D itself, which
# the windows plugin's font database needs. Every third-party library is
# Qt's bundled copy.
cmake -G Ninja -S "$source_dir" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF -DFEATURE_glib=OFF \
    -DFEATURE_fontconfig=OFF -DFEATURE_pkg_config=OFF -DFEATURE_system_zlib=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_system_libb2=OFF -DFEATURE_system_textmarkdownreader=OFF \
    "${own_qt[@]}" >"$work/configure.log" 2>&1 || {
    tail -30 "$work/configure.log" >&2
    exit 1
}

say "compiling (a line every 5 %)"
# Ninja counts the steps; every twentieth of them is shown with the time, and
# whatever else the compilers say is passed on.
set +e
NINJA_STATUS="[%p %f/%t] " cmake --build "$build_dir" --parallel "$(nproc)" 2>&1 | {
    next_shown=0
    while IFS= read -r line; do
        if [[ $line =~ ^\[\ *([0-9]+)%\ ([0-9]+/[0-9]+)\] ]]; then
            percent=${BASH_REMATCH[1]}
            if ((percent >= next_shown)); then
                say "$percent % (${BASH_REMATCH[2]} steps)"
                next_shown=$((percent - percent % 5 + 5))
            fi
        else
            echo "$line"
        fi
    done
}
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 0 ] || {
    echo "Building Qt for Windows failed; run this again to go on where it stopped" >&2
    exit 1
}

say "installing"
rm -rf "$prefix"
cmake --install "$build_dir" --strip >/dev/null
rm -rf "$work"
say "Qt for Windows is in $prefix"
