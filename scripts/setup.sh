#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then
# configures and builds it into the directory given (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true

# Build: compilers, Qt 6 and its tools, SQLite and XCB. Tests: mingw-w64 for the
# Windows compile checks, Wine for a real Windows spooler, Xvfb for a real X
# server, fonts that draw every language, clang for the fuzzers and sanitizers.
packages=(cmake ninja-build g++ binutils qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools libsqlite3-dev libxcb1-dev g++-mingw-w64-x86-64 wine wine64 fonts-wine
          xz-utils xvfb xauth fonts-dejavu-core fonts-noto-cjk clang-format clang
          libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    elif command -v sudo >/dev/null 2>&1; then
        sudo apt-get update -qq
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
        exit 1
    fi
fi

cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j"$(nproc)"
