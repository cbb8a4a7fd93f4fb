#!/usr/bin/env bash
# Sets up, builds and runs every test: the suite, the suite again under the
# sanitizers, and short runs of the fuzz targets. The set-up is the main job's
# (scripts/setup.sh) plus the packages only the tests need
# (scripts/setup-tests.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-tests.sh
# Qt for Windows: the module's own (library infix and namespace) for its
# Windows build and the tests under Wine, and the plain one that most products
# ship, for the Wine test's host that is a Qt application of its own. Both are
# known before the build, which builds that host against the plain one.
qt_windows=$(bash scripts/qt-windows.sh)
qt_windows_plain=$(bash scripts/qt-windows.sh plain)
bash scripts/setup.sh build -DNETPORTUI_QT_WINDOWS="$qt_windows" \
    -DNETPORTUI_FOREIGN_QT_WINDOWS="$qt_windows_plain"
ctest --test-dir build --output-on-failure -j2

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer,
# leak detection on.
bash scripts/setup.sh build-asan -DNETPORTUI_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if [ -f tests/lsan.supp ]; then
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
fi
ctest --test-dir build-asan --output-on-failure -j2
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

# Every fuzz target for a short, bounded time.
if [ -f fuzz/run.sh ]; then
    bash fuzz/run.sh 30
fi
