#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each of them for a number of
# seconds on a copy of its seed corpus (fuzz/corpus/<target>/), so that nothing
# is written into the tree. Exits nonzero on any finding.
#
#   bash fuzz/run.sh [SECONDS]        seconds per target, default 30; 0 only
#                                     replays the seeds
#
# Environment:
#   NETPORT_FUZZ_BUILD    build directory (default: build-fuzz in the tree)
#   NETPORT_FUZZ_WORK     where the corpus copies, logs and findings go
#                         (default: a new temporary directory, kept afterwards)
#   NETPORT_FUZZ_TARGETS  the targets to run (default: all three)
#   NETPORT_FUZZ_JOBS     parallel compile jobs (default 2)
#
# It installs nothing: without clang, or without the libFuzzer and sanitizer
# runtimes, it stops with a message naming what is missing.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
build="${NETPORT_FUZZ_BUILD:-$root/build-fuzz}"
targets="${NETPORT_FUZZ_TARGETS:-fuzz_settings fuzz_configure_reply fuzz_rules}"
jobs="${NETPORT_FUZZ_JOBS:-2}"

die() {
    echo "fuzz/run.sh: $*" >&2
    exit 2
}

case "$seconds" in
'' | *[!0-9]*) die "the number of seconds must be a whole number, not '$seconds'" ;;
esac

for tool in clang clang++ cmake; do
    command -v "$tool" >/dev/null 2>&1 ||
        die "$tool is not installed (on Debian: apt-get install clang libclang-rt-14-dev cmake)"
done

# libFuzzer and the sanitizer runtimes come with the compiler runtime package,
# not with clang itself: link a trivial target to see that they are there.
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
cat >"$probe/probe.cpp" <<'EOF'
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }
EOF
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
    >"$probe/log" 2>&1; then
    cat "$probe/log" >&2
    die "clang++ cannot link a libFuzzer target with AddressSanitizer and" \
        "UndefinedBehaviorSanitizer: the compiler runtime is missing" \
        "(on Debian: apt-get install libclang-rt-14-dev, or the one for your clang version)"
fi

generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
cmake -S "$root" -B "$build" "${generator[@]}" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DNETPORTUI_FUZZ=ON -DNETPORTUI_BUILD_TESTS=OFF >"$probe/configure.log" 2>&1 || {
    cat "$probe/configure.log" >&2
    die "configuring $build failed"
}
# shellcheck disable=SC2086
cmake --build "$build" --parallel "$jobs" --target $targets

work="${NETPORT_FUZZ_WORK:-$(mktemp -d -t netport-fuzz.XXXXXX)}"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen

failed=0
for target in $targets; do
    dir="$work/$target"
    rm -rf "$dir"
    mkdir -p "$dir/corpus" "$dir/findings"
    cp "$root/fuzz/corpus/$target/"* "$dir/corpus/"
    echo "== $target: ${seconds} s on a copy of fuzz/corpus/$target"
    status=0
    # 0 seconds replays the seeds once (libFuzzer reads 0 as no time limit).
    limit=(-max_total_time="$seconds")
    if [ "$seconds" -eq 0 ]; then
        limit=(-runs=0)
    fi
    "$build/bin/$target" "${limit[@]}" -timeout=60 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/" "$dir/corpus" \
        >"$dir/log" 2>&1 || status=$?
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$dir/log" || true
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$dir/findings")" ]; then
        failed=1
        echo "!! $target: finding (exit $status); log $dir/log, inputs in $dir/findings:" >&2
        ls -1 "$dir/findings" >&2 || true
        grep -E '^(fuzz_[a-z_]+: |SUMMARY: |==[0-9]+==ERROR)' "$dir/log" | head -20 >&2 || true
    fi
done

echo "corpora, logs and findings: $work"
if [ "$failed" -ne 0 ]; then
    echo "fuzz/run.sh: findings; replay one with $build/bin/<target> <input>" >&2
    exit 1
fi
echo "fuzz/run.sh: no findings"
