#!/usr/bin/env bash
# setup.sh [BUILD_DIR] [CMAKE_ARGS...]: installs the Debian packages the build
# and the main job need (when missing), then configures and builds the project
# into BUILD_DIR (default: build), passing CMAKE_ARGS to the configure step.
#
# Only what the main job needs: compilers, Qt 6 with its tools, SQLite, XCB and
# one font. What the tests add beyond that (MinGW-w64, Wine, Xvfb, CJK fonts,
# clang) comes from scripts/setup-tests.sh, which scripts/test.sh runs first;
# without it the build still configures and builds, and only the tests that use
# those tools fail.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true

# shellcheck source=scripts/packages.sh
source scripts/packages.sh
# Compilers and build tools; Qt 6 with moc, uic, lrelease and lupdate; SQLite for
# the embedded port monitor; XCB, which the module links on Linux; and a font
# for the windows and the tour's pictures.
install_packages g++ binutils cmake ninja-build \
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools \
    libsqlite3-dev libxcb1-dev fonts-dejavu-core

cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j"$(nproc)"
