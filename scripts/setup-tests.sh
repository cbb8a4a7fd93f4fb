#!/usr/bin/env bash
# setup-tests.sh: installs the Debian packages that the tests need beyond those
# of scripts/setup.sh (when missing). scripts/test.sh runs it before setup.sh;
# it configures and builds nothing.
#
# Building Qt for Windows from source (scripts/build-qt-windows.sh, when no
# archive of it is at hand) installs what that build needs itself.
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=scripts/packages.sh
source scripts/packages.sh
# - MinGW-w64: the module built for Windows (x86_64-w64-mingw32-g++-posix, the
#   binutils' objdump for its tables) and the Wine test's programs
#   (x86_64-w64-mingw32-g++);
# - Wine and its fonts: a real Windows spooler that loads the module;
# - xz-utils: unpacks an archive of Qt for Windows;
# - Xvfb and xauth: a real X server for the xcb tests and the Wine test;
# - CJK fonts and a Thai one (the smallest that covers Thai; DejaVu draws
#   Arabic and Hebrew): the tour and the layout checks in every language;
# - clang-format: the format check; clang with its runtime: the fuzz targets.
install_packages g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    wine wine64 fonts-wine xz-utils xvfb xauth fonts-noto-cjk fonts-tlwg-garuda-ttf \
    clang-format clang libclang-rt-14-dev
